#include "DeviceSettings.h"

#include "CIniDocument.h"

namespace {

int Position(const CIniDocument& doc, const std::string& section, const char* key, int fallback,
             int entries) {
    return doc.GetIntInRange(section, key, 0, entries - 1, fallback);
}

} // namespace

DeviceSettings::DeviceSettings(std::string configPath, std::string section)
    : m_configPath(std::move(configPath)), m_section(std::move(section)) {}

std::string DeviceSettings::extraPorts() const {
    const CIniDocument doc(m_configPath);
    return doc.GetString(m_section, "Extra Ports", "");
}

bool DeviceSettings::tracePort() const {
    const CIniDocument doc(m_configPath);
    return doc.GetInt(m_section, "Trace Port", 0) == 1;
}

PlanChoices DeviceSettings::loadPlan() const {
    const CIniDocument doc(m_configPath);
    const PlanChoices d;
    PlanChoices c;
    c.patientName = doc.GetString(m_section, "PatientName", "");
    c.patientId = doc.GetString(m_section, "PatientID", "");
    c.awakeTime = Position(doc, m_section, "Awake Time", d.awakeTime, PlanChoices::kHalfHours);
    c.awakeSpan =
        Position(doc, m_section, "Awake Span", d.awakeSpan, PlanChoices::kIntervalEntries);
    c.asleepTime = Position(doc, m_section, "Asleep Time", d.asleepTime, PlanChoices::kHalfHours);
    c.asleepSpan =
        Position(doc, m_section, "Asleep Span", d.asleepSpan, PlanChoices::kIntervalEntries);
    c.specialStart =
        Position(doc, m_section, "Special Start", d.specialStart, PlanChoices::kSpecialEntries);
    c.specialEnd =
        Position(doc, m_section, "Special End", d.specialEnd, PlanChoices::kSpecialEntries);
    c.specialSpan =
        Position(doc, m_section, "Special Span", d.specialSpan, PlanChoices::kIntervalEntries);
    c.startKey = Position(doc, m_section, "Start Key", d.startKey, 2);
    c.display = Position(doc, m_section, "Display", d.display, 2);
    return c;
}

bool DeviceSettings::savePlan(const PlanChoices& c) const {
    CIniDocument doc(m_configPath);
    doc.WriteString(m_section, "PatientName", c.patientName);
    doc.WriteString(m_section, "PatientID", c.patientId);
    doc.WriteInt(m_section, "Awake Time", c.awakeTime);
    doc.WriteInt(m_section, "Awake Span", c.awakeSpan);
    doc.WriteInt(m_section, "Asleep Time", c.asleepTime);
    doc.WriteInt(m_section, "Asleep Span", c.asleepSpan);
    doc.WriteInt(m_section, "Special Start", c.specialStart);
    doc.WriteInt(m_section, "Special End", c.specialEnd);
    doc.WriteInt(m_section, "Special Span", c.specialSpan);
    doc.WriteInt(m_section, "Start Key", c.startKey);
    doc.WriteInt(m_section, "Display", c.display);
    return doc.Save();
}
