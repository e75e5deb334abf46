// Writes the sample patient records of samples/ with the project's own store and encoder,
// in the order the download and the patient sheet write them. The data are made up but
// shaped like real recordings; a fixed generator makes every run write the same bytes.
//
// usage: make-samples OUTPUT_FOLDER
#include <cstdint>
#include <cstdio>
#include <ctime>
#include <iconv.h>
#include <string>
#include <vector>

#include "CIniDocument.h"
#include "ReadingText.h"

namespace {

// Small deterministic generator so the samples do not depend on the library's distributions.
struct Lcg {
    std::uint32_t state;
    int next(int lo, int hi) { // inclusive
        state = state * 1664525u + 1013904223u;
        return lo + static_cast<int>((state >> 8) % static_cast<std::uint32_t>(hi - lo + 1));
    }
};

std::string Gbk(const std::string& utf8) {
    iconv_t cd = iconv_open("GBK", "UTF-8");
    if (cd == reinterpret_cast<iconv_t>(-1)) return utf8;
    std::string out(utf8.size() * 2 + 4, '\0');
    char* in = const_cast<char*>(utf8.data());
    std::size_t inLeft = utf8.size();
    char* dst = out.data();
    std::size_t outLeft = out.size();
    iconv(cd, &in, &inLeft, &dst, &outLeft);
    iconv_close(cd);
    out.resize(out.size() - outLeft);
    return out;
}

struct Clock {
    int year, month, day, hour, minute;
};

struct Reading {
    int minutes;
    ReadingText::Fields f;
    bool excluded = false;
    bool marked = false;
    std::string comment; // UTF-8
};

bool Asleep(int minuteOfDay) {
    return minuteOfDay > 22 * 60 || minuteOfDay < 7 * 60;
}

// A day-night profile: awake every 20 minutes, asleep every 30, night values about 12 % lower.
std::vector<Reading> MakeReadings(Lcg& rng, const Clock& start, int hours, int sysBase,
                                  int diaBase) {
    std::vector<Reading> out;
    const int startMinute = start.hour * 60 + start.minute;
    for (int t = 0; t <= hours * 60;) {
        const int mod = (startMinute + t) % 1440;
        const bool night = Asleep(mod);
        Reading r;
        r.minutes = t;
        const int sys = (night ? sysBase * 88 / 100 : sysBase) + rng.next(-11, 11);
        const int dia = (night ? diaBase * 86 / 100 : diaBase) + rng.next(-7, 7);
        r.f.systolic = sys;
        r.f.diastolic = dia;
        r.f.pulseRate = (night ? 61 : 76) + rng.next(-6, 6);
        r.f.meanPressure = dia + (sys - dia) / 3;
        r.f.minutesFromStart = t;
        out.push_back(r);
        t += night ? 30 : 20;
    }
    return out;
}

// A failed measurement as the download stores it: pressures 0, pulse and error code as received.
void Fail(Reading& r, int pulse, int errorCode) {
    r.f.systolic = r.f.diastolic = r.f.meanPressure = 0;
    r.f.pulseRate = pulse;
    r.f.errorCode = errorCode;
}

std::string DateText(const Clock& c) {
    char time[32], text[96];
    std::snprintf(time, sizeof time, "%d:%02d", c.hour, c.minute);
    std::snprintf(text, sizeof text, "%d/%d/2%03d %s", c.day, c.month, c.year - 2000, time);
    return text;
}

void WriteTest(CIniDocument& doc, int testNumber, const Clock& start,
               const std::vector<Reading>& readings) {
    const std::string sec = "TEST " + std::to_string(testNumber);
    char year[16];
    std::snprintf(year, sizeof year, "2%03d", start.year - 2000);
    doc.WriteString(sec, "TestBeginDate", DateText(start));
    doc.WriteString(sec, "YearBegin", year);
    doc.WriteInt(sec, "MonthBegin", start.month);
    doc.WriteInt(sec, "DayBegin", start.day);
    doc.WriteInt(sec, "HourBegin", start.hour);
    doc.WriteInt(sec, "MinBegin", start.minute);
    doc.WriteInt(sec, "Count", static_cast<int>(readings.size()));
    doc.WriteString(sec, "AMU", "VELORA07");
    for (std::size_t i = 0; i < readings.size(); ++i) {
        const Reading& r = readings[i];
        std::string text = ReadingText::Encode(r.f);
        if (r.marked) text[ReadingText::kMarkerPos] = '1';
        doc.WriteString(sec, std::to_string(i + 1), ReadingText::WithExclusion(text, r.excluded));
    }
    for (std::size_t i = 0; i < readings.size(); ++i)
        if (!readings[i].comment.empty())
            doc.WriteString(sec, "C" + std::to_string(i + 1), Gbk(readings[i].comment));
}

void WriteLines(CIniDocument& doc, const std::string& sec, const std::string& name,
                const std::vector<std::string>& lines) {
    doc.WriteInt(sec, name + " Count", static_cast<int>(lines.size()));
    for (std::size_t i = 0; i < lines.size(); ++i)
        doc.WriteString(sec, name + std::to_string(i + 1), Gbk(lines[i]));
}

struct Patient {
    std::string name, id, phone, race, gender, birthday, height, weight, referring, interpreting;
    std::vector<std::string> addr, medications, comments, interp;
};

void WritePatient(CIniDocument& doc, const Patient& p, int count, int testCount) {
    const std::string sec = "PATIENT DATA";
    doc.WriteString(sec, "Name", Gbk(p.name));
    doc.WriteString(sec, "ID", p.id);
    doc.WriteString(sec, "Count", std::to_string(count));
    doc.WriteInt(sec, "Test Count", testCount);
    WriteLines(doc, sec, "Addr", p.addr);
    doc.WriteString(sec, "Phone", p.phone);
    doc.WriteString(sec, "Race", Gbk(p.race));
    doc.WriteString(sec, "Gender", Gbk(p.gender));
    doc.WriteString(sec, "Birthday", p.birthday);
    doc.WriteString(sec, "Height", p.height);
    doc.WriteString(sec, "Weight", p.weight);
}

void WriteNotes(CIniDocument& doc, int testNumber, const Patient& p) {
    const std::string sec = "TEST " + std::to_string(testNumber);
    WriteLines(doc, sec, "Medications", p.medications);
    doc.WriteString(sec, "ReferringPhys", Gbk(p.referring));
    doc.WriteString(sec, "InterprettingPhys", Gbk(p.interpreting));
    WriteLines(doc, sec, "Comments", p.comments);
    WriteLines(doc, sec, "Clinical Interp", p.interp);
}

bool Finish(CIniDocument& doc) {
    if (doc.Save()) return true;
    std::fprintf(stderr, "make-samples: cannot write %s\n", doc.fileName().c_str());
    return false;
}

bool Make24h(const std::string& folder) {
    Lcg rng{20260310};
    const Clock start{2026, 3, 10, 8, 40};
    std::vector<Reading> r = MakeReadings(rng, start, 24, 132, 84);
    Fail(r[5], 88, 9);   // weak signal
    Fail(r[23], 0, 8);   // excessive motion
    Fail(r[51], 64, 19); // timeout
    r[14].excluded = true;
    r[14].f.systolic = 196; // an artefact the nurse took out
    r[14].f.meanPressure = r[14].f.diastolic + (196 - r[14].f.diastolic) / 3;
    r[30].comment = "服药后";
    r[40].marked = true;

    CIniDocument doc(folder + "/24h-normal-dip.awp", 1);
    Patient p{"张伟",
              "0012345",
              "010-62751234",
              "汉族",
              "男",
              "1961-05-12",
              "172",
              "78",
              "李明医生",
              "王芳医生",
              {"北京市海淀区", "中关村大街27号"},
              {"氨氯地平 5mg 每日一次", "阿司匹林 100mg 每日一次"},
              {"日间血压轻度升高"},
              {"夜间血压下降正常（杓型）", "建议三个月后复查"}};
    WritePatient(doc, p, static_cast<int>(r.size()), 1);
    WriteTest(doc, 1, start, r);
    WriteNotes(doc, 1, p);
    return Finish(doc);
}

bool Make48h(const std::string& folder) {
    Lcg rng{20260314};
    // An earlier short test stays in the file; the record opens on the last one.
    const Clock first{2026, 2, 2, 14, 0};
    std::vector<Reading> earlier = MakeReadings(rng, first, 6, 150, 95);
    const Clock start{2026, 3, 14, 10, 0};
    std::vector<Reading> r = MakeReadings(rng, start, 48, 145, 92);
    Fail(r[60], 70, 12);
    r[8].excluded = true;
    r[70].comment = "夜间醒来";

    CIniDocument doc(folder + "/48h-two-tests.awp", 1);
    Patient p{"李秀英",
              "0023876",
              "021-58801234",
              "汉族",
              "女",
              "1955-11-03",
              "160",
              "66",
              "陈刚医生",
              "王芳医生",
              {"上海市浦东新区", "世纪大道100号"},
              {"缬沙坦 80mg 每日一次"},
              {"两天连续监测"},
              {"日间及夜间血压均升高"}};
    WritePatient(doc, p, static_cast<int>(r.size()), 2);
    WriteTest(doc, 1, first, earlier);
    WriteTest(doc, 2, start, r);
    WriteNotes(doc, 2, p);
    return Finish(doc);
}

// Night-time SpO2: baseline 96 %, pulse 62, six desaturations of different depth,
// a shallow dip that is no event, and a two-minute sensor gap.
void MakeSpo2(std::vector<int>& s, std::vector<int>& pr) {
    const int length = 8 * 3600;
    // A steady baseline: a one-point step down would start a fall that only a rise ends, and
    // the dip after it would belong to that fall.
    s.assign(length, 96);
    pr.assign(length, 62);
    struct Dip {
        int at, depth;
    };
    const Dip dips[] = {{1800, 8}, {5400, 10}, {9000, 12}, {12600, 5}, {18000, 16}, {23400, 9}};
    for (const Dip& d : dips) {
        const int base = s[d.at - 1];
        int i = d.at;
        for (int k = 1; k <= d.depth; ++k, i += 2)
            s[i] = s[i + 1] = base - k;
        s[i] = s[i + 1] = s[i + 2] = base - d.depth; // the lowest level holds a moment
        for (int k = d.depth - 2; k > 0; k -= 3)
            s[i + 3 + (d.depth - k) / 3] = base - k;
        // The pulse slows with the deeper dips.
        if (d.depth >= 9)
            for (int k = 0; k < 14; ++k)
                pr[d.at + k] = 62 - (k * 9) / 13;
    }
    for (int k = 0; k < 6; ++k)
        s[15000 + k] = 96 - k / 2; // 3 points down: no event
    for (int i = 20000; i < 20120; ++i)
        s[i] = pr[i] = 0; // sensor off
}

bool MakeSpo2Record(const std::string& folder) {
    Lcg rng{20260320};
    const Clock start{2026, 3, 20, 22, 30};
    std::vector<Reading> r = MakeReadings(rng, start, 9, 128, 80);
    Fail(r[4], 0, 5); // stopped by key

    CIniDocument doc(folder + "/spo2-night.awp", 1);
    Patient p{"王建国",
              "0031204",
              "020-83001234",
              "汉族",
              "男",
              "1968-07-21",
              "178",
              "92",
              "赵磊医生",
              "王芳医生",
              {"广州市越秀区", "中山五路9号"},
              {"无"},
              {"疑似睡眠呼吸暂停"},
              {"夜间多次血氧下降"}};
    WritePatient(doc, p, static_cast<int>(r.size()), 1);
    WriteTest(doc, 1, start, r);
    WriteNotes(doc, 1, p);

    std::vector<int> s, pr;
    MakeSpo2(s, pr);
    std::string pack;
    int count = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == 0 && pr[i] == 0) continue; // no record for seconds without data
        char rec[16];
        std::snprintf(rec, sizeof rec, "%02X%02X%08X", s[i], pr[i], static_cast<unsigned>(i + 1));
        pack += rec;
        ++count;
    }
    char trailer[16];
    std::snprintf(trailer, sizeof trailer, "%08X", static_cast<unsigned>(s.size()));
    pack += trailer;
    const std::string sec = "SPO2 DATA";
    doc.WriteInt(sec, "YearBegin", 2026);
    doc.WriteInt(sec, "MonthBegin", 3);
    doc.WriteInt(sec, "DayBegin", 20);
    doc.WriteInt(sec, "HourBegin", 23);
    doc.WriteInt(sec, "MinBegin", 0);
    doc.WriteInt(sec, "SecBegin", 0);
    doc.WriteInt(sec, "DataCount", count);
    doc.WriteString(sec, "DATA PACK", pack);
    return Finish(doc);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make-samples OUTPUT_FOLDER\n");
        return 2;
    }
    setenv("TZ", "UTC", 1);
    tzset();
    const std::string folder = argv[1];
    const bool ok = Make24h(folder) && Make48h(folder) && MakeSpo2Record(folder);
    return ok ? 0 : 1;
}
