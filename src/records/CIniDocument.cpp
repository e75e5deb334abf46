#include "CIniDocument.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const std::string kCrLf = "\r\n";
constexpr std::size_t kReserve = 3000000;

bool HasLineBreak(const std::string& s) {
    return s.find_first_of("\r\n") != std::string::npos;
}

bool ReadAll(int fd, std::string& out, std::size_t expected) {
    out.assign(expected, '\0');
    std::size_t done = 0;
    while (done < expected) {
        ssize_t n = ::read(fd, out.data() + done, expected - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

bool WriteAll(int fd, const std::string& data) {
    std::size_t done = 0;
    while (done < data.size()) {
        ssize_t n = ::write(fd, data.data() + done, data.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

} // namespace

CIniDocument::CIniDocument(std::string fileName, int createNew) : m_fileName(std::move(fileName)) {
    if (m_fileName.empty()) return;
    if (createNew) {
        // The old content, if any, is replaced only when the new text is saved.
        int fd = ::open(m_fileName.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
        if (fd < 0) return;
        ::close(fd);
        m_isOpen = true;
        m_readable = true;
        m_created = true;
        m_dirty = true; // the file's old content goes at the first save, as with a truncation
        m_text.reserve(kReserve);
        return;
    }
    Load();
}

void CIniDocument::Load() {
    int fd = ::open(m_fileName.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0 && errno == ENOENT) {
        fd = ::open(m_fileName.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (fd < 0) return;
        m_created = true;
    }
    if (fd < 0) return;
    m_isOpen = true;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return;
    }
    std::string raw;
    if (ReadAll(fd, raw, static_cast<std::size_t>(st.st_size))) {
        // The text ends at the first NUL byte of the file.
        std::size_t nul = raw.find('\0');
        if (nul != std::string::npos) raw.resize(nul);
        m_text.reserve(std::max(kReserve, raw.size()));
        m_text = std::move(raw);
        m_readable = true;
    }
    ::close(fd);
}

CIniDocument::~CIniDocument() {
    try {
        Save();
    } catch (...) {
        // Destruction never fails; lastSaveFailed() told the caller if it asked.
    }
}

bool CIniDocument::Save() {
    if (!m_readable) return false; // never overwrite a file we could not read whole
    if (!m_dirty) return true;
    if (!WriteAtomically()) {
        m_saveFailed = true;
        return false;
    }
    m_dirty = false;
    m_saveFailed = false;
    return true;
}

bool CIniDocument::WriteAtomically() {
    std::string tmp = m_fileName + ".tmpXXXXXX";
    int fd = ::mkstemp(tmp.data());
    if (fd < 0) return false;
    struct stat st {};
    if (::stat(m_fileName.c_str(), &st) == 0)
        ::fchmod(fd, st.st_mode & 07777);
    else
        ::fchmod(fd, 0644);
    bool ok = WriteAll(fd, m_text) && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    if (ok) ok = ::rename(tmp.c_str(), m_fileName.c_str()) == 0;
    if (!ok) ::unlink(tmp.c_str());
    return ok;
}

int CIniDocument::AtoI(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r')))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > static_cast<long long>(INT_MAX) + 1) break;
    }
    if (negative) value = -value;
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<int>(value);
}

CIniDocument::KeySpan CIniDocument::FindKey(const std::string& section,
                                            const std::string& key) const {
    KeySpan span;
    if (section.empty() || key.empty()) return span;
    const std::string header = "[" + section + "]";
    std::size_t headerPos = m_text.find(header);
    if (headerPos == std::string::npos) return span;
    span.sectionFound = true;
    span.bodyBegin = headerPos + header.size();
    std::size_t bodyEnd = m_text.find("\r\n[", span.bodyBegin);
    if (bodyEnd == std::string::npos) bodyEnd = m_text.size();

    const std::string needle = kCrLf + key + "=";
    std::size_t keyPos = m_text.find(needle, span.bodyBegin);
    if (keyPos == std::string::npos || keyPos >= bodyEnd) return span;
    span.keyFound = true;
    std::size_t valueBegin = keyPos + needle.size();
    std::size_t valueEnd = m_text.find(kCrLf, valueBegin);
    if (valueEnd == std::string::npos) return span; // a value without CR LF counts as missing
    span.valueBegin = valueBegin;
    span.valueEnd = valueEnd;
    return span;
}

std::string CIniDocument::GetString(const std::string& section, const std::string& key,
                                    const std::string& defaultText) const {
    KeySpan span = FindKey(section, key);
    if (span.valueBegin == std::string::npos) return defaultText;
    return m_text.substr(span.valueBegin, span.valueEnd - span.valueBegin);
}

int CIniDocument::GetInt(const std::string& section, const std::string& key,
                         int defaultValue) const {
    KeySpan span = FindKey(section, key);
    if (span.valueBegin == std::string::npos) return defaultValue;
    return AtoI(m_text.substr(span.valueBegin, span.valueEnd - span.valueBegin));
}

int CIniDocument::WriteString(const std::string& section, const std::string& key,
                              const std::string& value) {
    if (section.empty() || key.empty()) return 0;
    if (HasLineBreak(section) || HasLineBreak(key) || HasLineBreak(value)) return 0;
    const std::string line = key + "=" + value + kCrLf;
    const std::string header = "[" + section + "]";

    if (m_text.empty()) {
        m_text = header + kCrLf + line;
        m_dirty = true;
        return 1;
    }
    KeySpan span = FindKey(section, key);
    if (!span.sectionFound) {
        // A last line without CR LF must not run into the new header.
        if (m_text.size() < 2 || m_text.compare(m_text.size() - 2, 2, kCrLf) != 0) m_text += kCrLf;
        m_text += header + kCrLf + line;
        m_dirty = true;
        return 1;
    }
    if (span.valueBegin != std::string::npos) {
        if (m_text.compare(span.valueBegin, span.valueEnd - span.valueBegin, value) != 0) {
            m_text.replace(span.valueBegin, span.valueEnd - span.valueBegin, value);
            m_dirty = true;
        }
        return 1;
    }
    if (span.keyFound) return 0; // key on a last line without CR LF: left alone
    // New key: directly under the header line.
    if (m_text.compare(span.bodyBegin, 2, kCrLf) == 0) {
        m_text.insert(span.bodyBegin + 2, line);
    } else {
        m_text.insert(span.bodyBegin, kCrLf + line);
    }
    m_dirty = true;
    return 1;
}

int CIniDocument::WriteInt(const std::string& section, const std::string& key, int value) {
    return WriteString(section, key, std::to_string(value));
}

void CIniDocument::DeleteSection(const std::string& section) {
    if (section.empty()) return;
    const std::string header = "[" + section + "]";
    std::size_t headerPos = m_text.find(header);
    if (headerPos == std::string::npos) return;
    std::size_t next = m_text.find("\r\n[", headerPos + header.size());
    std::size_t end = next == std::string::npos ? m_text.size() : next + 2;
    m_text.erase(headerPos, end - headerPos);
    m_dirty = true;
}
