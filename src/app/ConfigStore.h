#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "ClinicalSummary.h"
#include "PageKinds.h"
#include "PatientRecord.h"

class CIniDocument;

// The configuration file "OblCofig.ini": the current configuration and the language in
// "Previous Config", the list of user names in "Config Name List", and one section
// "Config " + user name per user with its thresholds, folders, port, device and report page
// switches. Every operation opens the file, does its reads and writes and saves it, so
// nothing is held open between commands. A missing file is created empty on first use.
class ConfigStore {
  public:
    static constexpr const char* kFileName = "OblCofig.ini";
    static constexpr const char* kPreviousConfig = "Previous Config";
    static constexpr const char* kNameList = "Config Name List";
    static constexpr const char* kNoString = "no string";
    static constexpr const char* kStartUpUser = "family";
    // The port list of the first configuration page; "Port" stores the list position.
    static constexpr std::array<const char*, 5> kPortLabels = {"COM 1", "COM 2", "COM 3", "COM 4",
                                                               "COM 5"};
    static constexpr std::array<const char*, 2> kDeviceLabels = {"ZEM-ABPM", "HALDA"};

    struct UserEntry {
        int number = 0; // position in "Config Name List", from 1, never reused
        std::string name;
    };

    enum class SelectStatus {
        EmptyName,   // nothing typed: message 57609, the dialog stays
        InvalidName, // a name the file cannot hold safely; nothing written
        Existing,    // the configuration existed and is now current
        Created,     // a new configuration was added and made current
    };
    struct UserSelection {
        SelectStatus status = SelectStatus::EmptyName;
        std::string name;              // trimmed
        std::string patientFileFolder; // "Patient File Path" of the selected configuration
        // The file that could not be saved: the configuration file (nothing was stored, the
        // status tells what would have been done) or, after Created, the new report
        // configuration file. Empty when everything was saved.
        std::string unsavedFile;
    };
    struct StartUp {
        std::string patientFileFolder;
        bool saved = true; // false: the configuration file could not be written
    };

    // The values of the first configuration page.
    struct ComputerSettings {
        std::string patientFilePath; // empty when not stored
        int port = 0;                // position in kPortLabels
        int device = 0;              // position in kDeviceLabels
        int useDefaultPath = 0;      // 1: opening a record never changes patientFilePath
    };

    explicit ConfigStore(std::string filePath);
    // The store of the configuration file in the given folder.
    static ConfigStore InFolder(const std::string& folder);

    const std::string& filePath() const { return m_filePath; }

    static std::string SectionName(const std::string& userName) { return "Config " + userName; }
    static std::string ReportFileName(const std::string& userName) {
        return "Report_" + userName + ".ini";
    }
    // The user's report configuration file, beside the configuration file.
    std::string reportFilePath(const std::string& userName) const;
    // A new report configuration file: section "INFO" with "userName", "count" = 0 and an
    // empty "currentReportName". An old file of that name is replaced.
    static bool CreateReportConfigFile(const std::string& reportPath, const std::string& userName);

    // Section name of the current configuration ("Current Config"), kNoString when unset.
    std::string currentSection() const;
    std::string language() const;
    bool setLanguage(const std::string& name);

    // Start-up: makes Config family current, switches its five standard report pages on where
    // the section has no value for them yet, and gives its patient file folder, storing
    // workingFolder there first when none is stored.
    StartUp applyStartUp(const std::string& workingFolder);

    // The users not marked deleted, in list order.
    std::vector<UserEntry> users() const;
    // OK of the user-name dialog: trims the name, makes its configuration current and adds it
    // (list entry, section with the default thresholds, report configuration file) when new.
    // After Created the caller shows the first configuration page and then reads
    // patientFilePath(SectionName(name)).
    UserSelection selectUser(const std::string& typedName);
    // Removes the configuration of list entry `number`: its section and its report
    // configuration file go, the entry is marked "Del" and keeps its number.
    bool deleteUser(int number);
    // Removes every listed user's report configuration file and the configuration file.
    bool deleteAllUsers();

    static std::string TrimBlanks(const std::string& text);
    // False for names that would break the file: see IsPlainName, and "Name List" (its section
    // would be the user list itself).
    static bool IsUsableUserName(const std::string& name);
    // False for names holding path separators (a name becomes part of a file name), brackets
    // or control characters (it becomes a section header on a line of its own). GBK
    // double-byte characters are accepted.
    static bool IsPlainName(const std::string& name);

    // The four thresholds of a configuration, defaults 140, 120, 90, 80 for missing keys.
    BpThresholds thresholds(const std::string& section) const;
    BpThresholds currentThresholds() const;
    // The current configuration's thresholds from a store the caller opened (and will not
    // write), for readers that must leave the file untouched.
    // Thresholds the thresholds page would refuse give the defaults.
    static BpThresholds CurrentThresholdsIn(const CIniDocument& doc);
    // The four values as the file holds them (missing keys give the defaults), unchecked.
    static BpThresholds StoredCurrentThresholdsIn(const CIniDocument& doc);
    bool writeThresholds(const std::string& section, const BpThresholds& thresholds);

    // "Guideline" of the current configuration, whose thresholds judge the clinical summary:
    // the default when the key is missing, nothing when it holds an unknown name.
    static std::optional<ClinicalGuideline> CurrentGuidelineIn(const CIniDocument& doc);
    ClinicalGuideline currentGuideline() const;
    bool writeGuideline(const std::string& section, ClinicalGuideline guideline);

    ComputerSettings computerSettings(const std::string& section) const;
    // OK of the first configuration page. Its Cancel stores nothing.
    bool writeComputerSettings(const std::string& section, const ComputerSettings& settings);

    // "Patient File Path", empty when not stored.
    std::string patientFilePath(const std::string& section) const;
    bool setPatientFilePath(const std::string& section, const std::string& folder);

    // The page selection that printing reads: the page keys and "Spo2 Page".
    bool writePageSelection(const std::string& section,
                            const std::array<int, PageKinds::kPageKeys.size()>& pageFlags,
                            int spo2Report);

  private:
    void removeReportFile(const std::string& userName) const;

    std::string m_filePath;
};
