#include "PdfTextLayer.h"

#include <QFile>
#include <QFont>
#include <QHash>
#include <QRawFont>
#include <QRegularExpression>

#include "ReportStyle.h"

namespace {

// The radical blocks: CJK Radicals Supplement and Kangxi Radicals.
bool IsRadical(uint code) {
    return code >= 0x2E80 && code <= 0x2FDF;
}

// The ideograph the CJK face draws with the radical's glyph; 0 when there is none.
class IdeographOfRadical {
  public:
    IdeographOfRadical()
        : m_font(QRawFont::fromFont(QFont(QString::fromLatin1(kReportCjkFamily)))) {}

    uint operator()(uint radical) {
        if (!m_font.isValid()) return 0;
        const auto known = m_found.constFind(radical);
        if (known != m_found.constEnd()) return *known;
        uint ideograph = 0;
        const QList<quint32> glyph = m_font.glyphIndexesForString(QString(QChar(radical)));
        if (!glyph.isEmpty() && glyph[0] != 0) {
            const QList<quint32>& all = unifiedGlyphs();
            const qsizetype at = all.indexOf(glyph[0]);
            if (at >= 0) ideograph = kFirstUnified + static_cast<uint>(at);
        }
        m_found.insert(radical, ideograph);
        return ideograph;
    }

  private:
    static constexpr uint kFirstUnified = 0x4E00;
    static constexpr uint kLastUnified = 0x9FFF;

    const QList<quint32>& unifiedGlyphs() {
        if (m_unified.isEmpty()) {
            QString all;
            for (uint c = kFirstUnified; c <= kLastUnified; ++c)
                all.append(QChar(c));
            m_unified = m_font.glyphIndexesForString(all);
        }
        return m_unified;
    }

    QRawFont m_font;
    QList<quint32> m_unified;
    QHash<uint, uint> m_found;
};

// Rewrites the destination codes of one line of a bfrange or bfchar block.
void RestoreLine(QByteArray& pdf, qsizetype begin, qsizetype end, int sourceTokens,
                 IdeographOfRadical& ideographOf) {
    static const QRegularExpression hex(QStringLiteral("<([0-9A-Fa-f]{4})>"));
    const QString line = QString::fromLatin1(pdf.mid(begin, end - begin));
    QList<QRegularExpressionMatch> tokens;
    for (auto it = hex.globalMatch(line); it.hasNext();)
        tokens << it.next();
    // "<first> <last> <code>" over several codes maps them to consecutive code points: a
    // change of its first code would move all of them.
    if (sourceTokens == 2 && !line.contains(QLatin1Char('[')) && tokens.size() == 3 &&
        tokens[0].captured(1) != tokens[1].captured(1))
        return;
    for (qsizetype token = sourceTokens; token < tokens.size(); ++token) {
        const QRegularExpressionMatch& m = tokens[token];
        const uint code = m.captured(1).toUInt(nullptr, 16);
        if (!IsRadical(code)) continue;
        const uint ideograph = ideographOf(code);
        if (ideograph == 0) continue;
        const QByteArray text = QByteArray::number(ideograph, 16).toUpper();
        pdf.replace(begin + m.capturedStart(1), 4, text);
    }
}

void RestoreBlocks(QByteArray& pdf, const QByteArray& open, const QByteArray& close,
                   int sourceTokens, IdeographOfRadical& ideographOf) {
    for (qsizetype at = pdf.indexOf(open); at >= 0; at = pdf.indexOf(open, at + 1)) {
        const qsizetype end = pdf.indexOf(close, at);
        if (end < 0) return;
        for (qsizetype line = pdf.indexOf('\n', at) + 1; line > 0 && line < end;) {
            qsizetype next = pdf.indexOf('\n', line);
            if (next < 0 || next > end) next = end;
            RestoreLine(pdf, line, next, sourceTokens, ideographOf);
            line = next + 1;
        }
    }
}

} // namespace

QByteArray RestoreIdeographs(QByteArray pdf) {
    IdeographOfRadical ideographOf;
    // A range line is "<first> <last> <code>" or "<first> <last> [<code> ...]".
    RestoreBlocks(pdf, "beginbfrange", "endbfrange", 2, ideographOf);
    RestoreBlocks(pdf, "beginbfchar", "endbfchar", 1, ideographOf);
    return pdf;
}

bool RestorePdfTextLayer(const QString& path, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite)) {
        if (error) *error = file.errorString();
        return false;
    }
    const QByteArray written = file.readAll();
    if (!written.startsWith("%PDF-") || !written.trimmed().endsWith("%%EOF")) {
        if (error) *error = QStringLiteral("the PDF file was not written completely");
        return false;
    }
    const QByteArray restored = RestoreIdeographs(written);
    if (restored == written) return true;
    if (!file.seek(0) || file.write(restored) != restored.size() || !file.flush()) {
        if (error) *error = file.errorString();
        return false;
    }
    return true;
}
