#include "FolderBrowser.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

FolderBrowser::FolderBrowser(QWidget* parent)
    : QWidget(parent), m_drives(new QComboBox(this)), m_folders(new QListWidget(this)),
      m_path(new QLabel(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_drives);
    layout->addWidget(m_folders, 1);
    m_path->setWordWrap(true);
    m_path->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_drives->addItems(PlatformRoots());
    connect(m_drives, &QComboBox::activated, this, &FolderBrowser::onDriveActivated);
    connect(m_folders, &QListWidget::itemActivated, this, &FolderBrowser::onFolderActivated);
}

QStringList FolderBrowser::PlatformRoots() {
    QStringList roots;
#ifdef Q_OS_WIN
    for (const QFileInfo& drive : QDir::drives())
        roots << QDir::toNativeSeparators(drive.absolutePath());
#else
    roots << QStringLiteral("/") << QDir::homePath();
    const QString user = qEnvironmentVariable("USER");
    for (const QString& base :
         {QStringLiteral("/media/") + user, QStringLiteral("/run/media/") + user,
          QStringLiteral("/media"), QStringLiteral("/mnt")}) {
        const QDir dir(base);
        for (const QString& name : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
            const QString path = dir.absoluteFilePath(name);
            if (!roots.contains(path) && path != QStringLiteral("/media/") + user) roots << path;
        }
    }
#endif
    return roots;
}

void FolderBrowser::setFolder(const QString& folder) {
    listFolder(folder);
    selectDriveOf(m_folder);
}

void FolderBrowser::selectDriveOf(const QString& folder) {
    // The longest root that holds the folder.
    int best = -1;
    qsizetype bestLength = -1;
    for (int i = 0; i < m_drives->count(); ++i) {
        QString root = m_drives->itemText(i);
        const QString prefix = root.endsWith(QDir::separator()) ? root : root + QDir::separator();
        if ((folder == root || folder.startsWith(prefix)) && root.size() > bestLength) {
            best = i;
            bestLength = root.size();
        }
    }
    if (best >= 0) m_drives->setCurrentIndex(best);
}

void FolderBrowser::listFolder(const QString& folder) {
    QDir dir(folder);
    if (!dir.exists()) dir = QDir::current();
    m_folder = QDir::toNativeSeparators(dir.absolutePath());
    m_folders->clear();
    if (!dir.isRoot()) m_folders->addItem(QStringLiteral(".."));
    for (const QString& name : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name))
        m_folders->addItem(name);
    if (m_folders->count() > 0) m_folders->setCurrentRow(0);
    m_path->setText(m_folder);
}

void FolderBrowser::onDriveActivated(int index) {
    const QString root = m_drives->itemText(index);
    listFolder(root);
    emit driveChosen(m_folder);
}

void FolderBrowser::onFolderActivated(QListWidgetItem* item) {
    if (!item) return;
    listFolder(QDir(m_folder).absoluteFilePath(item->text()));
    emit folderEntered(m_folder);
}
