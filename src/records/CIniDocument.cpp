#include "CIniDocument.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const std::string kCrLf = "\r\n";
constexpr int kMaxLinkHops = 40;

bool HasLineBreak(const std::string& s) {
    return s.find_first_of("\r\n") != std::string::npos;
}

bool HasNul(const std::string& s) {
    return s.find('\0') != std::string::npos;
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

std::string FolderOf(const std::string& path) {
    const std::string folder = std::filesystem::path(path).parent_path().string();
    return folder.empty() ? "." : folder;
}

bool IsFolder(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// The file a save replaces: the path itself, or the end of its chain of symbolic links (which
// need not exist yet). Empty when the chain does not end.
std::string ResolveLinks(const std::string& path) {
    std::string current = path;
    for (int hop = 0; hop < kMaxLinkHops; ++hop) {
        struct stat st {};
        if (::lstat(current.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return current;
        std::string target(4096, '\0');
        const ssize_t n = ::readlink(current.c_str(), target.data(), target.size());
        if (n <= 0 || static_cast<std::size_t>(n) >= target.size()) return {};
        target.resize(static_cast<std::size_t>(n));
        const std::filesystem::path next(target);
        current = next.is_absolute() ? target
                                     : (std::filesystem::path(FolderOf(current)) / next).string();
    }
    return {};
}

// A copy left by a save that did not finish: its process is gone, or it is this process,
// which saves one file at a time.
bool IsStaleCopy(const std::string& name, const std::string& prefix) {
    if (name.compare(0, prefix.size(), prefix) != 0) return false;
    const std::string rest = name.substr(prefix.size());
    const std::size_t dash = rest.find('-');
    if (dash == 0 || dash == std::string::npos || rest.size() != dash + 7) return false;
    for (std::size_t i = 0; i < dash; ++i)
        if (rest[i] < '0' || rest[i] > '9') return false;
    const long pid = std::strtol(rest.c_str(), nullptr, 10);
    if (pid <= 0 || pid > INT_MAX) return false;
    if (pid == ::getpid()) return true;
    return ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
}

void RemoveStaleCopies(const std::string& folder, const std::string& prefix) {
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (IsStaleCopy(name, prefix)) ::unlink((folder + "/" + name).c_str());
    }
    ::closedir(dir);
}

// Makes a finished rename survive a power cut as well.
void SyncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

} // namespace

CIniDocument::CIniDocument(std::string fileName, int createNew) : m_fileName(std::move(fileName)) {
    if (m_fileName.empty()) return;
    if (createNew) {
        // Nothing touches the disk before the save: the file then appears whole or not at all.
        if (!IsFolder(FolderOf(m_fileName))) return;
        m_isOpen = true;
        m_readable = true;
        m_dirty = true; // the file's old content goes at the save, as with a truncation
        return;
    }
    Load();
}

void CIniDocument::Load() {
    int fd = ::open(m_fileName.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0 && errno == ENOENT) {
        // A missing file is created at the save, with what was written (nothing at all, too).
        if (!IsFolder(FolderOf(m_fileName))) return;
        m_isOpen = true;
        m_readable = true;
        m_dirty = true;
        return;
    }
    if (fd < 0) return;
    m_isOpen = true;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return;
    }
    if (static_cast<std::uintmax_t>(st.st_size) > kMaxFileBytes) {
        m_tooLarge = true;
        ::close(fd);
        return;
    }
    std::string raw;
    if (ReadAll(fd, raw, static_cast<std::size_t>(st.st_size))) {
        // The text ends at the first NUL byte of the file.
        const std::size_t nul = raw.find('\0');
        if (nul != std::string::npos) raw.resize(nul);
        SplitIntoChunks(raw);
        m_readable = true;
    }
    ::close(fd);
}

void CIniDocument::SplitIntoChunks(const std::string& text) {
    m_chunks.clear();
    std::size_t begin = 0;
    while (begin < text.size()) {
        std::size_t next = text.find("\n[", begin);
        next = next == std::string::npos ? text.size() : next + 1;
        Chunk chunk;
        chunk.text.assign(text, begin, next - begin);
        m_chunks.push_back(std::move(chunk));
        begin = next;
    }
    IndexSections();
}

// Notes each header's name up to its first "]"; the first section of a name is the one seen.
void CIniDocument::IndexSections() {
    m_sections.clear();
    for (std::size_t i = 0; i < m_chunks.size(); ++i) {
        Chunk& chunk = m_chunks[i];
        chunk.nameEnd = 0;
        if (chunk.text.empty() || chunk.text[0] != '[') continue;
        const std::size_t close = chunk.text.find_first_of("]\r\n", 1);
        if (close == std::string::npos || chunk.text[close] != ']') continue;
        chunk.nameEnd = close;
        m_sections.emplace(chunk.text.substr(1, close - 1), i);
    }
}

// Notes every line that starts after a CR LF, by its text up to the first "=", first line
// of a name first.
void CIniDocument::IndexKeys(const Chunk& chunk) {
    chunk.keys.clear();
    const std::string& t = chunk.text;
    std::size_t pos = t.find(kCrLf, chunk.nameEnd + 1);
    while (pos != std::string::npos) {
        const std::size_t keyBegin = pos + 2;
        const std::size_t stop = t.find_first_of("=\r\n", keyBegin);
        if (stop != std::string::npos && t[stop] == '=' && stop > keyBegin)
            chunk.keys.add(t, pos, stop - keyBegin);
        pos = t.find(kCrLf, keyBegin);
    }
    chunk.keysIndexed = true;
}

bool CIniDocument::IsHeaderOf(const Chunk& chunk, const std::string& section) {
    return chunk.nameEnd != 0 && chunk.text.size() >= section.size() + 2 &&
           chunk.text.compare(1, section.size(), section) == 0 &&
           chunk.text[section.size() + 1] == ']';
}

std::size_t CIniDocument::FindSectionIndex(const std::string& section) const {
    if (section.empty() || HasLineBreak(section)) return std::string::npos;
    if (section.find(']') == std::string::npos) {
        const auto it = m_sections.find(section);
        return it == m_sections.end() ? std::string::npos : it->second;
    }
    // A name holding "]" is longer than the indexed part of its header.
    for (std::size_t i = 0; i < m_chunks.size(); ++i)
        if (IsHeaderOf(m_chunks[i], section)) return i;
    return std::string::npos;
}

const CIniDocument::Chunk* CIniDocument::FindSection(const std::string& section) const {
    const std::size_t i = FindSectionIndex(section);
    return i == std::string::npos ? nullptr : &m_chunks[i];
}

bool CIniDocument::HasSection(const std::string& section) const {
    return FindSection(section) != nullptr;
}

CIniDocument::KeySpan CIniDocument::FindKey(const std::string& section,
                                            const std::string& key) const {
    KeySpan span;
    if (key.empty() || HasLineBreak(key)) return span;
    span.chunk = FindSection(section);
    if (!span.chunk) return span;
    const Chunk& chunk = *span.chunk;
    span.bodyBegin = section.size() + 2;
    if (key.find('=') == std::string::npos) {
        if (!chunk.keysIndexed) IndexKeys(chunk);
        span.keyPos = chunk.keys.find(chunk.text, key);
        if (span.keyPos == std::string::npos) return span;
    } else {
        // Only the text up to a line's first "=" is indexed; such keys are looked up in full.
        span.keyPos = chunk.text.find(kCrLf + key + "=", span.bodyBegin);
        if (span.keyPos == std::string::npos) return span;
    }
    const std::size_t valueBegin = span.keyPos + 2 + key.size() + 1;
    const std::size_t valueEnd = chunk.text.find(kCrLf, valueBegin);
    if (valueEnd == std::string::npos) return span; // a value without CR LF counts as missing
    span.valueBegin = valueBegin;
    span.valueEnd = valueEnd;
    return span;
}

std::string CIniDocument::GetString(const std::string& section, const std::string& key,
                                    const std::string& defaultText) const {
    const KeySpan span = FindKey(section, key);
    if (span.valueBegin == std::string::npos) return defaultText;
    return span.chunk->text.substr(span.valueBegin, span.valueEnd - span.valueBegin);
}

int CIniDocument::GetInt(const std::string& section, const std::string& key,
                         int defaultValue) const {
    const KeySpan span = FindKey(section, key);
    if (span.valueBegin == std::string::npos) return defaultValue;
    return AtoI(span.chunk->text.substr(span.valueBegin, span.valueEnd - span.valueBegin));
}

int CIniDocument::GetIntInRange(const std::string& section, const std::string& key, int low,
                                int high, int defaultValue) const {
    const int value = GetInt(section, key, defaultValue);
    return value >= low && value <= high ? value : defaultValue;
}

void CIniDocument::AppendSection(const std::string& section, const std::string& line) {
    if (!m_chunks.empty()) {
        Chunk& last = m_chunks.back();
        // A last line without CR LF must not run into the new header. Its key becomes readable.
        if (last.text.size() < 2 || last.text.compare(last.text.size() - 2, 2, kCrLf) != 0) {
            last.text += kCrLf;
            last.keysIndexed = false;
        }
    }
    Chunk chunk;
    chunk.text = "[" + section + "]" + kCrLf + line;
    chunk.nameEnd = section.size() + 1;
    m_chunks.push_back(std::move(chunk));
    if (section.find(']') == std::string::npos)
        m_sections.emplace(section, m_chunks.size() - 1);
    else
        IndexSections();
}

// The new key's line goes directly under the header line, so keys added one after the other
// stand in the reverse order of their writing.
void CIniDocument::InsertKey(Chunk& chunk, std::size_t bodyBegin, const std::string& key,
                             const std::string& line) {
    std::string& t = chunk.text;
    const std::size_t lineEnd = t.find('\n', bodyBegin);
    std::string inserted = line;
    std::size_t at = 0;
    std::size_t keyPos = 0; // the CR LF that starts the new line
    if (lineEnd != std::string::npos && lineEnd > bodyBegin && t[lineEnd - 1] == '\r') {
        at = lineEnd + 1;
        keyPos = lineEnd - 1;
    } else {
        // A header line ending in a bare LF or not ending at all: the key needs a CR LF of
        // its own before it.
        at = lineEnd == std::string::npos ? t.size() : lineEnd;
        inserted = kCrLf + line;
        keyPos = at;
    }
    t.insert(at, inserted);
    if (!chunk.keysIndexed) return;
    // Lines from the one that followed the header move down; the new line is the first of
    // its name now, also for the part of a key up to an "=" inside it.
    chunk.keys.shift(keyPos, static_cast<std::ptrdiff_t>(inserted.size()));
    chunk.keys.add(t, keyPos, std::min(key.find('='), key.size()), true);
}

int CIniDocument::WriteString(const std::string& section, const std::string& key,
                              const std::string& value) {
    if (section.empty() || key.empty()) return 0;
    if (HasLineBreak(section) || HasLineBreak(key) || HasLineBreak(value)) return 0;
    if (HasNul(section) || HasNul(key) || HasNul(value) || key[0] == '[') return 0;
    const std::string line = key + "=" + value + kCrLf;

    const KeySpan span = FindKey(section, key);
    if (!span.chunk) {
        AppendSection(section, line);
        m_dirty = true;
        return 1;
    }
    Chunk& chunk = const_cast<Chunk&>(*span.chunk);
    if (span.valueBegin != std::string::npos) {
        const std::size_t oldLength = span.valueEnd - span.valueBegin;
        if (chunk.text.compare(span.valueBegin, oldLength, value) != 0) {
            chunk.text.replace(span.valueBegin, oldLength, value);
            if (chunk.keysIndexed)
                chunk.keys.shift(span.valueEnd, static_cast<std::ptrdiff_t>(value.size()) -
                                                    static_cast<std::ptrdiff_t>(oldLength));
            m_dirty = true;
        }
        return 1;
    }
    if (span.keyPos != std::string::npos) return 0; // key on a last line without CR LF: left alone
    InsertKey(chunk, span.bodyBegin, key, line);
    m_dirty = true;
    return 1;
}

int CIniDocument::WriteInt(const std::string& section, const std::string& key, int value) {
    return WriteString(section, key, std::to_string(value));
}

void CIniDocument::DeleteSection(const std::string& section) {
    const std::size_t i = FindSectionIndex(section);
    if (i == std::string::npos) return;
    m_chunks.erase(m_chunks.begin() + static_cast<std::ptrdiff_t>(i));
    IndexSections(); // a second section of the same name may come to light
    m_dirty = true;
}

std::string CIniDocument::text() const {
    std::size_t size = 0;
    for (const Chunk& chunk : m_chunks)
        size += chunk.text.size();
    std::string all;
    all.reserve(size);
    for (const Chunk& chunk : m_chunks)
        all += chunk.text;
    return all;
}

CIniDocument::~CIniDocument() {
    try {
        Save();
    } catch (...) {
        // Destruction never fails; a caller that must know saves first.
    }
}

bool CIniDocument::Save() {
    if (!m_readable) return false; // never overwrite a file we could not read whole
    if (!m_dirty) return true;
    if (!WriteAtomically()) return false;
    m_dirty = false;
    return true;
}

std::string CIniDocument::TemporaryPrefix(const std::string& targetFileName) {
    return targetFileName + ".saving-";
}

bool CIniDocument::WriteAtomically() {
    const std::string target = ResolveLinks(m_fileName);
    if (target.empty()) return false;
    struct stat st {};
    const bool exists = ::stat(target.c_str(), &st) == 0;
    if (exists) {
        if (!S_ISREG(st.st_mode)) return false;
        // A file marked read-only is not replaced, whoever runs the program.
        if ((st.st_mode & 0222) == 0 || ::access(target.c_str(), W_OK) != 0) return false;
    }
    const std::string folder = FolderOf(target);
    const std::string prefix = TemporaryPrefix(std::filesystem::path(target).filename().string());
    RemoveStaleCopies(folder, prefix);

    std::string tmp = folder + "/" + prefix + std::to_string(::getpid()) + "-XXXXXX";
    const int fd = ::mkstemp(tmp.data());
    if (fd < 0) return false;
    if (exists) {
        ::fchmod(fd, st.st_mode & 07777);
        // Kept with its owner where allowed; otherwise owned by whoever saves it.
        [[maybe_unused]] const int owned = ::fchown(fd, st.st_uid, st.st_gid);
    } else {
        ::fchmod(fd, 0644);
    }
    bool ok = WriteAll(fd, text()) && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    if (ok) ok = ::rename(tmp.c_str(), target.c_str()) == 0;
    if (!ok) {
        ::unlink(tmp.c_str());
        return false;
    }
    SyncFolder(folder);
    return true;
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
