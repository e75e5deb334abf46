#include "AmbulatoryPlanDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "DeviceMessages.h"
#include "GbkText.h"
#include "PlanClockFace.h"
#include "PlanLists.h"
#include "StringTable.h"

namespace {

QString TimeText(std::time_t t) {
    std::tm local{};
    localtime_r(&t, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M", &local);
    return QString::fromLatin1(text);
}

} // namespace

AmbulatoryPlanDialog::AmbulatoryPlanDialog(RecorderKind kind, DeviceSettings settings, Clock clock,
                                           QWidget* parent)
    : QDialog(parent), m_kind(kind), m_settings(std::move(settings)), m_now(std::move(clock)),
      m_name(new QLineEdit(this)), m_id(new QLineEdit(this)), m_currentTime(new QLabel(this)),
      m_startTime(new QLabel(this)), m_clock(new PlanClockFace(this)) {
    setWindowTitle(tr("上传参数"));
    // The recorder's fields hold 30 and 11 bytes with a terminating zero.
    PlanLists::LimitGbkBytes(m_name, 29);
    PlanLists::LimitGbkBytes(m_id, 10);
    addList("Max Pressure", PlanLists::MaxPressures());
    addList("Display", PlanLists::OnOff());
    addList("Start Key", PlanLists::OnOff());
    addList("Awake Time", PlanLists::HalfHours());
    addList("Asleep Time", PlanLists::HalfHours());
    addList("Special Start", PlanLists::SpecialTimes());
    addList("Special End", PlanLists::SpecialTimes());
    addList("Awake Span", PlanLists::Intervals());
    addList("Asleep Span", PlanLists::Intervals());
    addList("Special Span", PlanLists::Intervals());
    addList("State", PlanLists::States());
    buildLayout();
    showChoices(m_settings.loadPlan());
    refreshTimes();
    for (const char* key : {"Awake Time", "Asleep Time", "Special Start", "Special End"})
        connect(list(key), &QComboBox::currentIndexChanged, this,
                &AmbulatoryPlanDialog::refreshClock);
    refreshClock();
}

QComboBox* AmbulatoryPlanDialog::addList(const QString& key, const QStringList& entries) {
    auto* box = new QComboBox(this);
    box->addItems(entries);
    box->setMaxVisibleItems(12);
    m_lists.insert(key, box);
    return box;
}

QComboBox* AmbulatoryPlanDialog::list(const QString& key) const {
    return m_lists.value(key);
}

void AmbulatoryPlanDialog::buildLayout() {
    auto* patient = new QFormLayout;
    patient->addRow(tr("病人姓名"), m_name);
    patient->addRow(tr("病人 ID"), m_id);
    patient->addRow(tr("当前时间"), m_currentTime);
    patient->addRow(tr("测量开始时间"), m_startTime);
    patient->addRow(tr("最大压力值"), list("Max Pressure"));
    patient->addRow(tr("显示"), list("Display"));
    patient->addRow(tr("开始键"), list("Start Key"));
    patient->addRow(tr("状态选择"), list("State"));

    auto* periods = new QGridLayout;
    periods->addWidget(new QLabel(tr("间隔"), this), 0, 2);
    const struct {
        const char* label;
        const char* start;
        const char* span;
    } rows[] = {{QT_TR_NOOP("非睡眠"), "Awake Time", "Awake Span"},
                {QT_TR_NOOP("睡眠"), "Asleep Time", "Asleep Span"},
                {QT_TR_NOOP("特殊事件开始"), "Special Start", "Special Span"}};
    int row = 1;
    for (const auto& r : rows) {
        periods->addWidget(new QLabel(tr(r.label), this), row, 0);
        periods->addWidget(list(r.start), row, 1);
        periods->addWidget(list(r.span), row, 2);
        ++row;
    }
    periods->addWidget(new QLabel(tr("特殊事件结束"), this), row, 0);
    periods->addWidget(list("Special End"), row, 1);
    auto* periodBox = new QGroupBox(tr("测量时段"), this);
    periodBox->setLayout(periods);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    QPushButton* help = buttons->addButton(tr("帮助(&H)"), QDialogButtonBox::HelpRole);
    connect(help, &QPushButton::clicked, this, &AmbulatoryPlanDialog::helpRequested);
    connect(buttons, &QDialogButtonBox::accepted, this, &AmbulatoryPlanDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* grid = new QGridLayout(this);
    grid->addLayout(patient, 0, 0);
    grid->addWidget(m_clock, 0, 1);
    grid->addWidget(periodBox, 1, 0, 1, 2);
    grid->addWidget(buttons, 2, 0, 1, 2);
}

void AmbulatoryPlanDialog::showChoices(const PlanChoices& c) {
    m_name->setText(FromGbk(c.patientName));
    m_id->setText(FromGbk(c.patientId));
    list("Awake Time")->setCurrentIndex(c.awakeTime);
    list("Awake Span")->setCurrentIndex(c.awakeSpan);
    list("Asleep Time")->setCurrentIndex(c.asleepTime);
    list("Asleep Span")->setCurrentIndex(c.asleepSpan);
    list("Special Start")->setCurrentIndex(c.specialStart);
    list("Special End")->setCurrentIndex(c.specialEnd);
    list("Special Span")->setCurrentIndex(c.specialSpan);
    list("Start Key")->setCurrentIndex(c.startKey);
    list("Display")->setCurrentIndex(c.display);
}

PlanChoices AmbulatoryPlanDialog::choices() const {
    PlanChoices c;
    c.patientName = ToGbk(m_name->text());
    c.patientId = ToGbk(m_id->text());
    c.awakeTime = list("Awake Time")->currentIndex();
    c.awakeSpan = list("Awake Span")->currentIndex();
    c.asleepTime = list("Asleep Time")->currentIndex();
    c.asleepSpan = list("Asleep Span")->currentIndex();
    c.specialStart = list("Special Start")->currentIndex();
    c.specialEnd = list("Special End")->currentIndex();
    c.specialSpan = list("Special Span")->currentIndex();
    c.startKey = list("Start Key")->currentIndex();
    c.display = list("Display")->currentIndex();
    return c;
}

void AmbulatoryPlanDialog::refreshTimes() {
    const std::time_t now = m_now();
    m_currentTime->setText(TimeText(now));
    m_startTime->setText(TimeText(now + MeasurementPlan::kStartDelaySeconds));
}

void AmbulatoryPlanDialog::refreshClock() {
    m_clock->setPeriods(list("Awake Time")->currentIndex(), list("Asleep Time")->currentIndex(),
                        list("Special Start")->currentIndex(), list("Special End")->currentIndex());
}

void AmbulatoryPlanDialog::accept() {
    if (!DeviceMessages::PatientGiven(this, m_name->text(), m_id->text())) return;
    const PlanChoices c = choices();
    m_plan = MeasurementPlan::Ambulatory(c, m_kind, m_now());
    if (DeviceMessages::Ask(this, QMessageBox::Warning, StringTable::label(57625),
                            QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return;
    m_settings.savePlan(c);
    QDialog::accept();
}
