#pragma once

#include <string>

#include "PlanChoices.h"

// The link's keys of one analysis configuration section of the configuration file (the
// caller names it, normally ConfigStore::currentSection()): the extra ports to probe, the
// trace switch and the last ambulatory plan.
class DeviceSettings {
  public:
    DeviceSettings(std::string configPath, std::string section);

    const std::string& section() const { return m_section; }

    // "Extra Ports": device paths separated by ";", probed before the discovered ports.
    std::string extraPorts() const;
    // "Trace Port" = 1: every link session writes a trace.
    bool tracePort() const;

    // The plan keys with their defaults; a stored position outside its list falls back to
    // the default, so a damaged file cannot break the plan dialog.
    PlanChoices loadPlan() const;
    // Writes the plan keys; false when the file could not be written.
    bool savePlan(const PlanChoices& choices) const;

  private:
    std::string m_configPath;
    std::string m_section;
};
