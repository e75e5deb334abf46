#include "ConfigStore.h"

#include <algorithm>
#include <filesystem>

#include "CIniDocument.h"
#include "ThresholdRules.h"

namespace {

const char* const kCurrentConfig = "Current Config";
const char* const kLanguage = "Language";
const char* const kConfigName = "Config Name";
const char* const kCount = "Count";
const char* const kPatientFilePath = "Patient File Path";
const char* const kPort = "Port";
const char* const kDevice = "Device";
const char* const kUseDefaultPath = "Use Default Path";

const char* const kAwakeSys = "Awake Sys Thresh";
const char* const kAsleepSys = "Asleep Sys Thresh";
const char* const kAwakeDia = "Awake Dia Thresh";
const char* const kAsleepDia = "Asleep Dia Thresh";

// Switched on at every start in the configuration the start makes current.
constexpr std::array<const char*, 5> kStartUpPages = {
    "Demographics Page", "Bar Graph Page", "Data Page", "BP Pie Page", "BP Histogram Page"};
// Switched on when the first configuration page is cancelled.
constexpr std::array<const char*, 6> kCancelPages = {"Demographics Page",        "BP Summary Page",
                                                     "Colorized Graph Page",     "Bar Graph Page",
                                                     "HR/MAP/PP Histogram Page", "Data Page"};

// A damaged "Count" must not make the list loop for ever or overflow the next number.
constexpr int kMaxUserEntries = 10000;

int ListCount(const CIniDocument& doc) {
    return std::clamp(doc.GetInt(ConfigStore::kNameList, kCount, 0), 0, kMaxUserEntries);
}

std::string DelKey(int number) {
    return "Del" + std::to_string(number);
}

bool RemoveFile(const std::string& path) {
    std::error_code ec;
    std::filesystem::remove(path, ec);
    return !ec;
}

bool IsGbkLeadByte(unsigned char c) {
    return c >= 0x81 && c <= 0xFE;
}

} // namespace

ConfigStore::ConfigStore(std::string filePath) : m_filePath(std::move(filePath)) {}

ConfigStore ConfigStore::InFolder(const std::string& folder) {
    return ConfigStore((std::filesystem::path(folder) / kFileName).string());
}

std::string ConfigStore::reportFilePath(const std::string& userName) const {
    return (std::filesystem::path(m_filePath).parent_path() / ReportFileName(userName)).string();
}

void ConfigStore::removeReportFile(const std::string& userName) const {
    // A name edited into the file by hand must not lead the removal out of this folder.
    if (IsUsableUserName(userName)) RemoveFile(reportFilePath(userName));
}

bool ConfigStore::CreateReportConfigFile(const std::string& reportPath,
                                         const std::string& userName) {
    CIniDocument doc(reportPath, 1);
    if (!doc.isOpen()) return false;
    doc.WriteString("INFO", "userName", userName);
    doc.WriteInt("INFO", "count", 0);
    doc.WriteString("INFO", "currentReportName", "");
    return doc.Save();
}

std::string ConfigStore::currentSection() const {
    const CIniDocument doc(m_filePath);
    return doc.GetString(kPreviousConfig, kCurrentConfig, kNoString);
}

std::string ConfigStore::language() const {
    const CIniDocument doc(m_filePath);
    return doc.GetString(kPreviousConfig, kLanguage, "english");
}

bool ConfigStore::setLanguage(const std::string& name) {
    CIniDocument doc(m_filePath);
    return doc.WriteString(kPreviousConfig, kLanguage, name) && doc.Save();
}

std::string ConfigStore::applyStartUp(const std::string& workingFolder) {
    CIniDocument doc(m_filePath);
    const std::string section = SectionName(kStartUpUser);
    doc.WriteString(kPreviousConfig, kCurrentConfig, section);
    for (const char* key : kStartUpPages)
        doc.WriteInt(section, key, 1);
    std::string folder = doc.GetString(section, kPatientFilePath, "");
    if (folder.empty()) {
        folder = workingFolder;
        doc.WriteString(section, kPatientFilePath, folder);
    }
    doc.Save();
    return folder;
}

std::vector<ConfigStore::UserEntry> ConfigStore::users() const {
    const CIniDocument doc(m_filePath);
    std::vector<UserEntry> list;
    const int count = ListCount(doc);
    for (int i = 1; i <= count; ++i) {
        if (doc.GetInt(kNameList, DelKey(i), 0) == 1) continue;
        list.push_back({i, doc.GetString(kNameList, std::to_string(i), kNoString)});
    }
    return list;
}

std::string ConfigStore::TrimBlanks(const std::string& text) {
    const char* const blanks = " \t";
    const std::size_t begin = text.find_first_not_of(blanks);
    if (begin == std::string::npos) return {};
    const std::size_t end = text.find_last_not_of(blanks);
    return text.substr(begin, end - begin + 1);
}

bool ConfigStore::IsUsableUserName(const std::string& name) {
    if (name.empty() || name == "Name List") return false;
    for (std::size_t i = 0; i < name.size(); ++i) {
        const auto c = static_cast<unsigned char>(name[i]);
        // The second byte of a GBK character may look like '[' or '\'; it is part of a letter.
        if (IsGbkLeadByte(c) && i + 1 < name.size()) {
            ++i;
            continue;
        }
        if (c < 0x20 || c == 0x7F || c == '/' || c == '\\' || c == '[' || c == ']') return false;
    }
    return true;
}

ConfigStore::UserSelection ConfigStore::selectUser(const std::string& typedName) {
    UserSelection result;
    result.name = TrimBlanks(typedName);
    if (result.name.empty()) return result;
    if (!IsUsableUserName(result.name)) {
        result.status = SelectStatus::InvalidName;
        return result;
    }
    const std::string section = SectionName(result.name);
    CIniDocument doc(m_filePath);
    doc.WriteString(kPreviousConfig, kCurrentConfig, section);
    if (doc.GetString(section, kConfigName, kNoString) != kNoString) {
        result.status = SelectStatus::Existing;
        result.patientFileFolder = doc.GetString(section, kPatientFilePath, "");
        doc.Save();
        return result;
    }
    const int number = ListCount(doc) + 1;
    doc.WriteInt(kNameList, kCount, number);
    doc.WriteString(kNameList, std::to_string(number), result.name);
    doc.WriteInt(kNameList, DelKey(number), 0);
    doc.WriteString(section, kConfigName, result.name);
    const BpThresholds defaults;
    doc.WriteInt(section, kAwakeSys, defaults.awakeSys);
    doc.WriteInt(section, kAsleepSys, defaults.asleepSys);
    doc.WriteInt(section, kAwakeDia, defaults.awakeDia);
    doc.WriteInt(section, kAsleepDia, defaults.asleepDia);
    doc.Save();
    CreateReportConfigFile(reportFilePath(result.name), result.name);
    result.status = SelectStatus::Created;
    result.patientFileFolder = doc.GetString(section, kPatientFilePath, "");
    return result;
}

bool ConfigStore::deleteUser(int number) {
    CIniDocument doc(m_filePath);
    if (number < 1 || number > ListCount(doc)) return false;
    if (doc.GetInt(kNameList, DelKey(number), 0) == 1) return false;
    const std::string name = doc.GetString(kNameList, std::to_string(number), kNoString);
    doc.DeleteSection(SectionName(name));
    doc.WriteInt(kNameList, DelKey(number), 1);
    if (!doc.Save()) return false;
    removeReportFile(name);
    return true;
}

bool ConfigStore::deleteAllUsers() {
    for (const UserEntry& user : users())
        removeReportFile(user.name);
    return RemoveFile(m_filePath);
}

namespace {

BpThresholds ThresholdsOf(const CIniDocument& doc, const std::string& section) {
    const BpThresholds defaults;
    BpThresholds t;
    // A value the thresholds page would refuse reads as missing: the trend scale computes
    // with these.
    const auto sys = [&](const char* key, int fallback) {
        return doc.GetIntInRange(section, key, kMinSystolicThreshold, kMaxSystolicThreshold,
                                 fallback);
    };
    const auto dia = [&](const char* key, int fallback) {
        return doc.GetIntInRange(section, key, kMinDiastolicThreshold, kMaxDiastolicThreshold,
                                 fallback);
    };
    t.awakeSys = sys(kAwakeSys, defaults.awakeSys);
    t.asleepSys = sys(kAsleepSys, defaults.asleepSys);
    t.awakeDia = dia(kAwakeDia, defaults.awakeDia);
    t.asleepDia = dia(kAsleepDia, defaults.asleepDia);
    return t;
}

} // namespace

BpThresholds ConfigStore::thresholds(const std::string& section) const {
    const CIniDocument doc(m_filePath);
    return ThresholdsOf(doc, section);
}

BpThresholds ConfigStore::currentThresholds() const {
    const CIniDocument doc(m_filePath);
    return CurrentThresholdsIn(doc);
}

BpThresholds ConfigStore::CurrentThresholdsIn(const CIniDocument& doc) {
    return ThresholdsOf(doc, doc.GetString(kPreviousConfig, kCurrentConfig, kNoString));
}

bool ConfigStore::writeThresholds(const std::string& section, const BpThresholds& t) {
    CIniDocument doc(m_filePath);
    const bool written = doc.WriteInt(section, kAwakeSys, t.awakeSys) &&
                         doc.WriteInt(section, kAsleepSys, t.asleepSys) &&
                         doc.WriteInt(section, kAwakeDia, t.awakeDia) &&
                         doc.WriteInt(section, kAsleepDia, t.asleepDia);
    return written && doc.Save();
}

ConfigStore::ComputerSettings ConfigStore::computerSettings(const std::string& section) const {
    const CIniDocument doc(m_filePath);
    ComputerSettings s;
    s.patientFilePath = doc.GetString(section, kPatientFilePath, "");
    s.port = doc.GetInt(section, kPort, 0);
    s.device = doc.GetInt(section, kDevice, 0);
    s.useDefaultPath = doc.GetInt(section, kUseDefaultPath, 0);
    return s;
}

namespace {

bool WriteSettings(CIniDocument& doc, const std::string& section,
                   const ConfigStore::ComputerSettings& s) {
    return doc.WriteString(section, kPatientFilePath, s.patientFilePath) &&
           doc.WriteInt(section, kPort, s.port) && doc.WriteInt(section, kDevice, s.device) &&
           doc.WriteInt(section, kUseDefaultPath, s.useDefaultPath);
}

} // namespace

bool ConfigStore::writeComputerSettings(const std::string& section,
                                        const ComputerSettings& settings) {
    CIniDocument doc(m_filePath);
    return WriteSettings(doc, section, settings) && doc.Save();
}

bool ConfigStore::writeComputerSettingsOnCancel(const std::string& section,
                                                const ComputerSettings& settings) {
    CIniDocument doc(m_filePath);
    bool written = WriteSettings(doc, section, settings);
    for (const char* key : kCancelPages)
        written = doc.WriteInt(section, key, 1) && written;
    return written && doc.Save();
}

std::string ConfigStore::patientFilePath(const std::string& section) const {
    const CIniDocument doc(m_filePath);
    return doc.GetString(section, kPatientFilePath, "");
}

bool ConfigStore::setPatientFilePath(const std::string& section, const std::string& folder) {
    CIniDocument doc(m_filePath);
    return doc.WriteString(section, kPatientFilePath, folder) && doc.Save();
}

int ConfigStore::pageSwitch(const std::string& section, const std::string& key,
                            int defaultValue) const {
    const CIniDocument doc(m_filePath);
    return doc.GetInt(section, key, defaultValue);
}

bool ConfigStore::setPageSwitch(const std::string& section, const std::string& key, int value) {
    CIniDocument doc(m_filePath);
    return doc.WriteInt(section, key, value) && doc.Save();
}
