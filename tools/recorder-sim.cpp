// recorder-sim: a simulated blood-pressure recorder on a pseudo-terminal.
//
// It prints the device path of its terminal on its first line, then answers like a recorder:
// the download commands with user memories, the plan upload with an acknowledge byte per plan
// byte. Every exchange ends with an event line on standard output, and the tool counts what it
// received, so tests wait for lines instead of sleeping.
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using Bytes = std::vector<std::uint8_t>;

const char* const kHelp = R"(usage: recorder-sim [OPTIONS]

A simulated recorder on a pseudo-terminal. The first line printed is the device path to open
(e.g. /dev/pts/7); give it to the program as an extra port, or to abpm-cli as --port.

Options:
  --readings FILE     the user memories to offer (format below)
  --generate N1,N2,N3 generated memories of N1, N2, N3 readings instead of a file
  --baud RATE         pace what is sent at 9600 or 4800 baud (10 bits a byte); 0 sends at
                      once (default 9600)
  --silent            never answer: a recorder that is switched off
  --drop I[,I...]     leave out the bytes at these positions of every download stream
                      (position 0 is the echo of the command, 1 the first user byte)
  --cut I             fall silent at position I of every download stream: nothing from
                      there on is sent (a recorder unplugged in the middle)
  --replace I:XX      send the byte XX (hexadecimal) instead of the one at position I of
                      every download stream (may be repeated), e.g. an unknown user byte
  --late-ack I:MS     acknowledge plan byte I (from 0) only after MS milliseconds
  --no-ack I          never acknowledge plan byte I (may be repeated)
  --no-ack-from I     acknowledge no plan byte from I on
  --plan-out FILE     write the received plan bytes (raw) to FILE after each upload
  --once              exit after the first finished download or upload
  --exit-after SEC    exit after SEC seconds whatever happens
  --help              this text

Readings file: one memory after the other; blank lines and lines starting with "#" are
ignored.
  user 1
  120 80 72 95 2010-03-15 12:30 0
  user 3
  300 80 72 95 2010-03-15 12:45 9
A reading line is systolic, diastolic, pulse, mean (decimal mmHg and beats per minute),
date, time and the recorder's error code (decimal). Memories that are not listed are empty.
A line "raw B0 B1 ... B11" gives the 12 record bytes in hexadecimal as they are sent.

Generated reading k (from 0) of user u: 2010-03-15 08:00 plus (u - 1) days plus 15 k minutes,
systolic 110 + k mod 50, diastolic 70 + k mod 20, mean (systolic + 2 diastolic) / 3,
pulse 60 + k mod 40, error 0.

Protocol: 0x11, 0x12, 0x13 download user memory 1, 2, 3 and 0x14 all three: the command is
echoed, then per memory the user byte (0x11..0x13), the count and 12 bytes per reading.
0xAA (70 plan bytes) and 0x55 (71 plan bytes) start a plan upload: the byte is echoed, then
every plan byte is answered with it. An upload that stalls for 5 s ends as incomplete.

Output lines: "download CC memories M sent B bytes" (B counts what really went out), "upload HH received N of L bytes
acknowledged A", "plan written FILE", "ignored XX", and "summary ..." at exit.
)";

struct Options {
    std::string readingsFile;
    std::vector<int> generate;
    int baud = 9600;
    bool silent = false;
    std::set<std::size_t> drop;
    std::size_t cut = SIZE_MAX;
    std::map<std::size_t, std::uint8_t> replace;
    std::map<int, int> lateAck;
    std::set<int> noAck;
    int noAckFrom = -1;
    std::string planOut;
    bool once = false;
    int exitAfter = 0;
};

struct Counters {
    int downloads = 0;
    int uploads = 0;
    long received = 0;
    long sent = 0;
    long ignored = 0;
};

volatile std::sig_atomic_t g_stop = 0;
void OnSignal(int) {
    g_stop = 1;
}

[[noreturn]] void Fail(const std::string& text) {
    std::fprintf(stderr, "recorder-sim: %s\n", text.c_str());
    std::exit(2);
}

std::vector<int> IntList(const std::string& text) {
    std::vector<int> out;
    std::stringstream in(text);
    std::string item;
    while (std::getline(in, item, ','))
        out.push_back(std::atoi(item.c_str()));
    return out;
}

Options ParseOptions(int argc, char** argv) {
    Options o;
    auto value = [&](int& i) -> std::string {
        if (i + 1 >= argc) Fail(std::string(argv[i]) + " needs a value");
        return argv[++i];
    };
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--help") {
            std::fputs(kHelp, stdout);
            std::exit(0);
        } else if (a == "--readings")
            o.readingsFile = value(i);
        else if (a == "--generate")
            o.generate = IntList(value(i));
        else if (a == "--baud")
            o.baud = std::atoi(value(i).c_str());
        else if (a == "--silent")
            o.silent = true;
        else if (a == "--drop") {
            for (int p : IntList(value(i)))
                o.drop.insert(static_cast<std::size_t>(p));
        } else if (a == "--cut") {
            o.cut = static_cast<std::size_t>(std::atol(value(i).c_str()));
        } else if (a == "--replace") {
            const std::string v = value(i);
            const auto colon = v.find(':');
            if (colon == std::string::npos) Fail("--replace wants I:XX");
            o.replace[static_cast<std::size_t>(std::atol(v.c_str()))] =
                static_cast<std::uint8_t>(std::strtoul(v.c_str() + colon + 1, nullptr, 16));
        } else if (a == "--late-ack") {
            const std::string v = value(i);
            const auto colon = v.find(':');
            if (colon == std::string::npos) Fail("--late-ack wants I:MS");
            o.lateAck[std::atoi(v.c_str())] = std::atoi(v.c_str() + colon + 1);
        } else if (a == "--no-ack")
            o.noAck.insert(std::atoi(value(i).c_str()));
        else if (a == "--no-ack-from")
            o.noAckFrom = std::atoi(value(i).c_str());
        else if (a == "--plan-out")
            o.planOut = value(i);
        else if (a == "--once")
            o.once = true;
        else if (a == "--exit-after")
            o.exitAfter = std::atoi(value(i).c_str());
        else
            Fail("unknown option " + a + " (see --help)");
    }
    if (o.baud != 0 && o.baud != 9600 && o.baud != 4800) Fail("--baud is 9600, 4800 or 0");
    return o;
}

Bytes Record(int s, int d, int pulse, int mean, int y, int mo, int day, int h, int mi, int err) {
    return {static_cast<std::uint8_t>(s >> 8), static_cast<std::uint8_t>(s & 0xFF),
            static_cast<std::uint8_t>(d),      static_cast<std::uint8_t>(pulse),
            static_cast<std::uint8_t>(mean),   static_cast<std::uint8_t>(y - 2000),
            static_cast<std::uint8_t>(mo),     static_cast<std::uint8_t>(day),
            static_cast<std::uint8_t>(h),      static_cast<std::uint8_t>(mi),
            static_cast<std::uint8_t>(err),    0};
}

Bytes ParseReadingLine(const std::string& line, int lineNo) {
    std::istringstream in(line);
    std::string first;
    in >> first;
    if (first == "raw") {
        Bytes r;
        std::string hex;
        while (in >> hex)
            r.push_back(static_cast<std::uint8_t>(std::strtoul(hex.c_str(), nullptr, 16)));
        if (r.size() != 12) Fail("line " + std::to_string(lineNo) + ": raw needs 12 bytes");
        return r;
    }
    int s = 0, d = 0, p = 0, m = 0, y = 0, mo = 0, day = 0, h = 0, mi = 0, err = 0;
    const std::string rest = line;
    if (std::sscanf(rest.c_str(), "%d %d %d %d %d-%d-%d %d:%d %d", &s, &d, &p, &m, &y, &mo, &day,
                    &h, &mi, &err) != 10)
        Fail("line " + std::to_string(lineNo) +
             ": expected \"S D PULSE MEAN YYYY-MM-DD HH:MM ERR\"");
    return Record(s, d, p, m, y, mo, day, h, mi, err);
}

std::array<std::vector<Bytes>, 3> ReadMemories(const std::string& path) {
    std::ifstream in(path);
    if (!in) Fail("cannot read " + path);
    std::array<std::vector<Bytes>, 3> memories;
    int user = 0, lineNo = 0;
    std::string line;
    while (std::getline(in, line)) {
        ++lineNo;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.find_first_not_of(" \t") == std::string::npos || line[0] == '#') continue;
        if (line.rfind("user", 0) == 0) {
            user = std::atoi(line.c_str() + 4);
            if (user < 1 || user > 3) Fail("line " + std::to_string(lineNo) + ": user 1, 2 or 3");
            continue;
        }
        if (user == 0) Fail("line " + std::to_string(lineNo) + ": reading before \"user N\"");
        memories[user - 1].push_back(ParseReadingLine(line, lineNo));
    }
    return memories;
}

std::array<std::vector<Bytes>, 3> GenerateMemories(const std::vector<int>& counts) {
    std::array<std::vector<Bytes>, 3> memories;
    for (std::size_t u = 0; u < 3 && u < counts.size(); ++u)
        for (int k = 0; k < counts[u]; ++k) {
            const int minutes = 8 * 60 + 15 * k;
            const int day = 15 + static_cast<int>(u) + minutes / 1440;
            const int s = 110 + k % 50, d = 70 + k % 20;
            memories[u].push_back(Record(s, d, 60 + k % 40, (s + 2 * d) / 3, 2010, 3, day,
                                         minutes % 1440 / 60, minutes % 60, 0));
        }
    return memories;
}

class Recorder {
  public:
    Recorder(int master, Options options, std::array<std::vector<Bytes>, 3> memories)
        : m_fd(master), m_o(std::move(options)), m_memories(std::move(memories)) {}

    // Handles one byte from the program. Returns true when an exchange finished.
    bool onByte(std::uint8_t b) {
        ++m_c.received;
        if (m_o.silent) return false;
        if (b >= 0x11 && b <= 0x14) return download(b);
        if (b == 0xAA || b == 0x55) return upload(b);
        ++m_c.ignored;
        std::printf("ignored %02X\n", b);
        return false;
    }

    void summary() const {
        std::printf("summary downloads %d uploads %d received %ld sent %ld ignored %ld\n",
                    m_c.downloads, m_c.uploads, m_c.received, m_c.sent, m_c.ignored);
    }

  private:
    // Sends paced as the line would: byte i leaves at start + i byte times.
    std::size_t send(const Bytes& bytes, const std::set<std::size_t>& drop) {
        const auto start = Clock::now();
        const auto byteTime = std::chrono::nanoseconds(m_o.baud ? 10'000'000'000LL / m_o.baud : 0);
        std::size_t slot = 0;
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            if (drop.count(i)) continue;
            ++slot;
            if (m_o.baud) std::this_thread::sleep_until(start + byteTime * static_cast<long>(slot));
            writeByte(bytes[i]);
        }
        return slot;
    }

    void writeByte(std::uint8_t b) {
        while (::write(m_fd, &b, 1) != 1)
            if (errno != EINTR && errno != EAGAIN) return;
        ++m_c.sent;
    }

    bool download(std::uint8_t command) {
        Bytes stream{command};
        const int first = command == 0x14 ? 0 : command - 0x11;
        const int last = command == 0x14 ? 2 : first;
        for (int u = first; u <= last; ++u) {
            const std::size_t n = std::min<std::size_t>(m_memories[u].size(), 255);
            stream.push_back(static_cast<std::uint8_t>(0x11 + u));
            stream.push_back(static_cast<std::uint8_t>(n));
            for (std::size_t k = 0; k < n; ++k)
                stream.insert(stream.end(), m_memories[u][k].begin(), m_memories[u][k].end());
        }
        for (const auto& [position, byte] : m_o.replace)
            if (position < stream.size()) stream[position] = byte;
        if (m_o.cut < stream.size()) stream.resize(m_o.cut);
        const std::size_t sent = send(stream, m_o.drop);
        ++m_c.downloads;
        std::printf("download %02X memories %d sent %zu bytes\n", command, last - first + 1, sent);
        return true;
    }

    bool acknowledge(int index, std::uint8_t ack) {
        if (m_o.noAck.count(index) || (m_o.noAckFrom >= 0 && index >= m_o.noAckFrom)) return false;
        const auto late = m_o.lateAck.find(index);
        if (late != m_o.lateAck.end())
            std::this_thread::sleep_for(std::chrono::milliseconds(late->second));
        send({ack}, {});
        return true;
    }

    bool upload(std::uint8_t ack) {
        const int length = ack == 0xAA ? 70 : 71;
        send({ack}, {});
        Bytes plan;
        int acknowledged = 0;
        while (static_cast<int>(plan.size()) < length && !g_stop) {
            pollfd p{m_fd, POLLIN, 0};
            if (::poll(&p, 1, 5000) <= 0) break;
            std::uint8_t b = 0;
            if (::read(m_fd, &b, 1) != 1) continue;
            ++m_c.received;
            plan.push_back(b);
            if (acknowledge(static_cast<int>(plan.size()) - 1, ack)) ++acknowledged;
        }
        ++m_c.uploads;
        std::printf("upload %02X received %zu of %d bytes acknowledged %d\n", ack, plan.size(),
                    length, acknowledged);
        writePlan(plan);
        return true;
    }

    void writePlan(const Bytes& plan) {
        if (m_o.planOut.empty()) return;
        std::ofstream out(m_o.planOut, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(plan.data()), static_cast<long>(plan.size()));
        out.close(); // the line below tells tests the file is complete
        if (out) std::printf("plan written %s\n", m_o.planOut.c_str());
    }

    int m_fd;
    Options m_o;
    std::array<std::vector<Bytes>, 3> m_memories;
    Counters m_c;
};

// Raw bytes both ways; the program sets the line again when it opens its end.
void MakeRaw(int fd) {
    termios t{};
    if (::tcgetattr(fd, &t) != 0) return;
    ::cfmakeraw(&t);
    ::tcsetattr(fd, TCSANOW, &t);
}

} // namespace

int main(int argc, char** argv) {
    const Options options = ParseOptions(argc, argv);
    std::array<std::vector<Bytes>, 3> memories;
    if (!options.readingsFile.empty())
        memories = ReadMemories(options.readingsFile);
    else if (!options.generate.empty())
        memories = GenerateMemories(options.generate);

    int master = -1, slave = -1;
    char name[256] = {};
    if (::openpty(&master, &slave, name, nullptr, nullptr) != 0) Fail("openpty failed");
    // Holding our own handle of the other end keeps the terminal alive between the program's
    // opens; without it a read here fails as soon as the program closes its port.
    MakeRaw(slave);
    MakeRaw(master);

    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    std::printf("%s\n", name);
    std::signal(SIGTERM, OnSignal);
    std::signal(SIGINT, OnSignal);
    std::signal(SIGPIPE, SIG_IGN);

    Recorder recorder(master, options, std::move(memories));
    const auto deadline = Clock::now() + std::chrono::seconds(options.exitAfter);
    while (!g_stop) {
        if (options.exitAfter > 0 && Clock::now() >= deadline) break;
        pollfd p{master, POLLIN, 0};
        if (::poll(&p, 1, 200) <= 0) continue;
        std::uint8_t b = 0;
        if (::read(master, &b, 1) != 1) continue;
        if (recorder.onByte(b) && options.once) break;
    }
    recorder.summary();
    ::close(slave);
    ::close(master);
    return 0;
}
