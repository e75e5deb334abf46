#include "ConfigStore.h"

#include <algorithm>
#include <filesystem>

#include "CIniDocument.h"
#include "PageKinds.h"
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
const char* const kGuideline = "Guideline";

// Switched on at start-up where the configuration the start makes current has no choice yet
// (kind 10 is the data pages).
constexpr std::array<int, 5> kStartUpPages = {PageKinds::Demographics, PageKinds::BarGraph,
                                              PageKinds::FirstDataPage, PageKinds::BpPie,
                                              PageKinds::BpHistogram};

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

ConfigStore::StartUp ConfigStore::applyStartUp(const std::string& workingFolder) {
    CIniDocument doc(m_filePath);
    const std::string section = SectionName(kStartUpUser);
    doc.WriteString(kPreviousConfig, kCurrentConfig, section);
    // The user's own page selection survives every start.
    for (const int kind : kStartUpPages) {
        const char* key = PageKinds::kPageKeys[static_cast<std::size_t>(kind)];
        if (doc.GetString(section, key, kNoString) == kNoString) doc.WriteInt(section, key, 1);
    }
    StartUp result;
    result.patientFileFolder = doc.GetString(section, kPatientFilePath, "");
    if (result.patientFileFolder.empty()) {
        result.patientFileFolder = workingFolder;
        doc.WriteString(section, kPatientFilePath, workingFolder);
    }
    result.saved = doc.Save();
    return result;
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
    return !name.empty() && name != "Name List" && IsPlainName(name);
}

bool ConfigStore::IsPlainName(const std::string& name) {
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
        if (!doc.Save()) result.unsavedFile = m_filePath;
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
    result.status = SelectStatus::Created;
    if (!doc.Save()) {
        result.unsavedFile = m_filePath;
        return result;
    }
    const std::string reportPath = reportFilePath(result.name);
    if (!CreateReportConfigFile(reportPath, result.name)) result.unsavedFile = reportPath;
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

BpThresholds StoredThresholdsOf(const CIniDocument& doc, const std::string& section) {
    const BpThresholds defaults;
    BpThresholds t;
    t.awakeSys = doc.GetInt(section, kAwakeSys, defaults.awakeSys);
    t.asleepSys = doc.GetInt(section, kAsleepSys, defaults.asleepSys);
    t.awakeDia = doc.GetInt(section, kAwakeDia, defaults.awakeDia);
    t.asleepDia = doc.GetInt(section, kAsleepDia, defaults.asleepDia);
    return t;
}

// Thresholds the thresholds page would refuse never reach the analysis (the trend scale
// computes with them): the whole set gives way to the defaults, as the page's Defaults button
// would set them.
BpThresholds ThresholdsOf(const CIniDocument& doc, const std::string& section) {
    const BpThresholds stored = StoredThresholdsOf(doc, section);
    return CheckThresholds(stored) == ThresholdCheck::Accepted ? stored : BpThresholds{};
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

BpThresholds ConfigStore::StoredCurrentThresholdsIn(const CIniDocument& doc) {
    return StoredThresholdsOf(doc, doc.GetString(kPreviousConfig, kCurrentConfig, kNoString));
}

bool ConfigStore::writeThresholds(const std::string& section, const BpThresholds& t) {
    CIniDocument doc(m_filePath);
    const bool written = doc.WriteInt(section, kAwakeSys, t.awakeSys) &&
                         doc.WriteInt(section, kAsleepSys, t.asleepSys) &&
                         doc.WriteInt(section, kAwakeDia, t.awakeDia) &&
                         doc.WriteInt(section, kAsleepDia, t.asleepDia);
    return written && doc.Save();
}

std::optional<ClinicalGuideline> ConfigStore::CurrentGuidelineIn(const CIniDocument& doc) {
    const std::string section = doc.GetString(kPreviousConfig, kCurrentConfig, kNoString);
    const std::string stored = doc.GetString(section, kGuideline, GuidelineKey(kDefaultGuideline));
    return GuidelineOfKey(stored);
}

ClinicalGuideline ConfigStore::currentGuideline() const {
    const CIniDocument doc(m_filePath);
    return CurrentGuidelineIn(doc).value_or(kDefaultGuideline);
}

bool ConfigStore::writeGuideline(const std::string& section, ClinicalGuideline guideline) {
    CIniDocument doc(m_filePath);
    return doc.WriteString(section, kGuideline, GuidelineKey(guideline)) && doc.Save();
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

std::string ConfigStore::patientFilePath(const std::string& section) const {
    const CIniDocument doc(m_filePath);
    return doc.GetString(section, kPatientFilePath, "");
}

bool ConfigStore::setPatientFilePath(const std::string& section, const std::string& folder) {
    CIniDocument doc(m_filePath);
    return doc.WriteString(section, kPatientFilePath, folder) && doc.Save();
}

bool ConfigStore::writePageSelection(const std::string& section,
                                     const std::array<int, PageKinds::kPageKeys.size()>& pageFlags,
                                     int spo2Report) {
    CIniDocument doc(m_filePath);
    bool written = true;
    for (std::size_t kind = 0; kind < pageFlags.size(); ++kind)
        written = doc.WriteInt(section, PageKinds::kPageKeys[kind], pageFlags[kind]) && written;
    written = doc.WriteInt(section, PageKinds::kSpo2PageKey, spo2Report) && written;
    return written && doc.Save();
}
