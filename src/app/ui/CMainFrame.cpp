#include "CMainFrame.h"

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

#include "AppState.h"
#include "COBLView.h"
#include "CommandIds.h"
#include "GbkText.h"
#include "StringTable.h"
#include "ToolbarIcons.h"

namespace {

// Menu entries: the string id of the text, or 0 where the entry has a text of its own.
struct MenuEntry {
    int command;
    int textId;
    const char* text;
};

constexpr int kSeparator = 0;

// Toolbar slots with their text ids; 0 is a separator.
constexpr std::pair<int, int> kToolBar[] = {
    {Cmd::Wearing, 57780},
    {Cmd::Download, 57782},
    {Cmd::Upload, 57781},
    {0, 0},
    {Cmd::Open, 57783},
    {Cmd::BpTrend, 57785},
    {Cmd::EditReadings, 57784},
    {Cmd::BarCharts, 57787},
    {Cmd::PieCharts, 57788},
    {Cmd::Print, 57790},
    {0, 0},
    {Cmd::Help, 57793},
    {Cmd::Exit, 57794},
};

QString EntryText(const MenuEntry& e) {
    if (e.textId) return StringTable::text(e.textId).trimmed();
    return QCoreApplication::translate("CMainFrame", e.text);
}

} // namespace

CMainFrame::CMainFrame(AppState& state, LanguageManager& languages, QWidget* parent)
    : QMainWindow(parent), m_state(state), m_languages(languages),
      m_view(new COBLView(state, this)), m_status(new QLabel(this)) {
    setCentralWidget(m_view);
    statusBar()->addWidget(m_status, 1);
    buildMenus();
    buildToolBar();
    retranslate();
    setHandler(Cmd::Exit, [this] { close(); });
    resize(1280, 800);
}

QAction* CMainFrame::makeAction(int id) {
    QAction* a = m_actions.value(id);
    if (a) return a;
    a = new QAction(this);
    connect(a, &QAction::triggered, this, [this, id] { runCommand(id); });
    m_actions.insert(id, a);
    return a;
}

void CMainFrame::buildMenus() {
    static const MenuEntry file[] = {
        {Cmd::Open, 32901, nullptr},
        {Cmd::FileCopy, 32773, nullptr},
        {Cmd::FileDelete, 32772, nullptr},
        {Cmd::ExportCsv, 0, QT_TRANSLATE_NOOP("CMainFrame", "导出测量数据(CSV)(&R)...")},
        {kSeparator, 0, nullptr},
        {Cmd::Exit, 32779, nullptr}};
    static const MenuEntry download[] = {
        {Cmd::NewUser, 0, QT_TRANSLATE_NOOP("CMainFrame", "输入用户名(&U)...")},
        {Cmd::ConfigFolder, 32780, nullptr},
        {kSeparator, 0, nullptr},
        {Cmd::Download, 32812, nullptr},
        {Cmd::Upload, 32795, nullptr}};
    static const MenuEntry report[] = {
        {Cmd::Print, 32908, nullptr},
        {Cmd::PrintPreview, 32809, nullptr},
        {Cmd::SaveAsPdf, 0, QT_TRANSLATE_NOOP("CMainFrame", "另存为PDF(&F)...")},
        {Cmd::PrinterSetup, 57606, nullptr},
        {Cmd::ReportConfig, 32785, nullptr}};
    static const MenuEntry edit[] = {
        {Cmd::EditReadings, 32904, nullptr},
        {Cmd::PatientData, 32788, nullptr},
        {Cmd::Thresholds, 32790, nullptr},
        {Cmd::SleepPeriods, 0, QT_TRANSLATE_NOOP("CMainFrame", "睡眠时期(&S)...")},
        {kSeparator, 0, nullptr},
        {Cmd::Statistics, 0, QT_TRANSLATE_NOOP("CMainFrame", "统计数据(&T)...")},
        {Cmd::DeviceConfig, 0, QT_TRANSLATE_NOOP("CMainFrame", "AMU配置信息(&A)...")}};
    static const MenuEntry view[] = {{Cmd::BpTrend, 57785, nullptr},
                                     {Cmd::Spo2Trend, 57737, nullptr},
                                     {Cmd::BarCharts, 57787, nullptr},
                                     {Cmd::PieCharts, 57788, nullptr},
                                     {Cmd::FitLine, 57789, nullptr}};
    static const MenuEntry help[] = {
        {Cmd::Help, 57793, nullptr},
        {Cmd::Wearing, 57780, nullptr},
        {kSeparator, 0, nullptr},
        {Cmd::About, 0, QT_TRANSLATE_NOOP("CMainFrame", "关于(&A)...")}};

    struct Menu {
        const char* title;
        const MenuEntry* entries;
        std::size_t count;
    };
    const Menu menus[] = {
        {QT_TRANSLATE_NOOP("CMainFrame", "文件(&F)"), file, std::size(file)},
        {QT_TRANSLATE_NOOP("CMainFrame", "下载(&D)"), download, std::size(download)},
        {QT_TRANSLATE_NOOP("CMainFrame", "报告(&R)"), report, std::size(report)},
        {QT_TRANSLATE_NOOP("CMainFrame", "编辑(&E)"), edit, std::size(edit)},
        {QT_TRANSLATE_NOOP("CMainFrame", "显示(&V)"), view, std::size(view)},
        {QT_TRANSLATE_NOOP("CMainFrame", "帮助(&H)"), help, std::size(help)},
    };
    for (const Menu& m : menus) {
        QMenu* menu = menuBar()->addMenu(QString());
        m_menus.append({menu, m.title});
        for (std::size_t i = 0; i < m.count; ++i) {
            const MenuEntry& e = m.entries[i];
            if (e.command == kSeparator) {
                menu->addSeparator();
                continue;
            }
            QAction* a = makeAction(e.command);
            a->setProperty("textId", e.textId);
            a->setProperty("text", QByteArray(e.text ? e.text : ""));
            menu->addAction(a);
        }
    }
    // The language entry stands on the menu bar itself.
    QAction* language = makeAction(Cmd::Language);
    language->setProperty("textId", 32818);
    menuBar()->addAction(language);
}

void CMainFrame::buildToolBar() {
    m_toolBar = addToolBar(QStringLiteral("toolbar"));
    m_toolBar->setObjectName(QStringLiteral("mainToolBar"));
    m_toolBar->setIconSize(QSize(32, 32));
    m_toolBar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    m_toolBar->setMovable(true);
    for (const auto& [command, textId] : kToolBar) {
        if (command == 0) {
            m_toolBar->addSeparator();
            continue;
        }
        QAction* a = makeAction(command);
        a->setIcon(ToolbarIcon(command));
        // The button shows the action's icon text: the short toolbar word.
        a->setProperty("toolbarTextId", textId);
        m_toolBar->addAction(a);
        // 55 pixels hold the two-character Chinese words; longer words of other languages
        // widen their button instead of being cut.
        if (auto* button = qobject_cast<QToolButton*>(m_toolBar->widgetForAction(a)))
            button->setMinimumWidth(55);
    }
}

void CMainFrame::retranslate() {
    for (const auto& [menu, title] : m_menus)
        menu->setTitle(QCoreApplication::translate("CMainFrame", title));
    for (auto it = m_actions.begin(); it != m_actions.end(); ++it) {
        QAction* a = it.value();
        const int textId = a->property("textId").toInt();
        const QByteArray text = a->property("text").toByteArray();
        const MenuEntry e{it.key(), textId, text.isEmpty() ? nullptr : text.constData()};
        if (textId || !text.isEmpty()) a->setText(EntryText(e));
    }
    // Toolbar buttons carry their own short words; the tool-tip is the full command.
    for (QAction* a : std::as_const(m_actions)) {
        const int textId = a->property("toolbarTextId").toInt();
        if (!textId) continue;
        a->setIconText(StringTable::text(textId));
        a->setToolTip(QString(a->text()).remove('&'));
    }
    if (QAction* upload = m_actions.value(Cmd::Upload))
        upload->setToolTip(StringTable::text(32795).trimmed());
    updateStatusBar();
}

void CMainFrame::setHandler(int id, std::function<void()> handler) {
    makeAction(id);
    m_handlers.insert(id, std::move(handler));
    updateCommandStates();
}

bool CMainFrame::runCommand(int id) {
    const auto it = m_handlers.constFind(id);
    if (it == m_handlers.constEnd()) return false;
    if (Cmd::NeedsRecord(id) && !m_state.record.isLoaded) return false;
    it.value()();
    return true;
}

void CMainFrame::updateCommandStates() {
    for (auto it = m_actions.begin(); it != m_actions.end(); ++it) {
        const int id = it.key();
        const bool enabled =
            m_handlers.contains(id) && (!Cmd::NeedsRecord(id) || m_state.record.isLoaded);
        it.value()->setEnabled(enabled);
    }
}

void CMainFrame::updateStatusBar() {
    const QString gap = QStringLiteral("   ");
    QString name, id, date;
    if (m_state.record.isLoaded) {
        name = FromGbk(m_state.record.patientName);
        id = FromGbk(m_state.record.patientId);
        date = FromGbk(m_state.record.test.beginDateText);
    }
    m_status->setText(StringTable::text(57822) + name + gap + StringTable::text(57823) + id + gap +
                      StringTable::text(57824) + date);
}

void CMainFrame::recordChanged() {
    updateStatusBar();
    updateCommandStates();
    m_view->recordChanged();
}

void CMainFrame::recordEdited() {
    updateStatusBar();
    updateCommandStates();
}
