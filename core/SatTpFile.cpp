// The sattp.csv reader. Its rules are those of the files already stored:
// lines are taken in pieces of 511 bytes, a line with fewer than seven
// commas or a field of 64 bytes is passed over, the tables end at 300
// satellites or 8000 transponders. Whatever it passes over is reported, and
// so is what it reads other than the file says: a NUL byte that ends a field,
// a negative longitude or frequency stored wrapped.
#include "core/SatTpFile.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

#include "core/InputFile.h"
#include "core/MessageText.h"
#include "core/NumberText.h"

namespace velmora {

namespace {

// The reader accepts the eight-column header of older files too, and finds it
// anywhere in a line.
constexpr std::string_view kHeaderKey =
    "name,longitude,LNBNo.,LNBFreq,DiSEqC,frequency,symbolrate,polarization";

// Lines are taken in pieces of at most 511 bytes; the rest of a longer line
// is a line of its own.
constexpr std::size_t kLineBytes = 511;
constexpr int kFieldCount = 9;
// A field this long makes the whole line ignored.
constexpr std::size_t kFieldLimit = 64;
// Fewer commas than this: blank lines, comments, titles.
constexpr int kMinCommas = 7;
// Bytes of a field quoted in a report.
constexpr std::size_t kQuotedBytes = 20;

enum FieldIndex { kName, kLongitude, kLnbNo, kLnbFreq, kDiseqc, kFrequency, kSymbolRate,
                  kPolarization, kUnique };

constexpr const char* kFieldNames[kFieldCount] = {
    "name", "longitude", "LNBNo.", "LNBFreq", "DiSEqC", "frequency", "symbolrate",
    "polarization", "unique"};

// One piece of a line: at most 511 bytes, ending at '\n' (kept), at the piece
// limit or at the end of the text, with the number of the file line it is in.
struct Piece {
    std::string_view text;
    int line = 0;
    bool cut = false;  // the file line goes on in the next piece
};

class PieceReader {
public:
    explicit PieceReader(std::string_view text) : rest_(text) {}

    bool Next(Piece& piece) {
        if (rest_.empty()) return false;
        std::size_t n = std::min(rest_.size(), kLineBytes);
        std::size_t nl = rest_.substr(0, n).find('\n');
        if (nl != std::string_view::npos) n = nl + 1;
        piece.text = rest_.substr(0, n);
        piece.line = line_;
        piece.cut = nl == std::string_view::npos && n < rest_.size();
        rest_.remove_prefix(n);
        if (nl != std::string_view::npos) ++line_;
        return true;
    }

private:
    std::string_view rest_;
    int line_ = 1;
};

struct Field {
    const char* text;  // inside the text; the number parsers stop at its comma
    std::size_t length;

    bool Empty() const { return length == 0; }
    std::string_view View() const { return {text, length}; }
    char First() const { return length != 0 ? text[0] : '\0'; }
    char Last() const { return length != 0 ? text[length - 1] : '\0'; }
};

// Leading bytes that a field loses: control codes always, and bytes 128..255
// for every field but the name, whose code-page bytes must survive.
bool SkippedLead(unsigned char c, int field) {
    return c < 32 || (field != kName && c >= 128);
}

// Cuts the nine fields; returns the first that reaches the length limit, or -1.
int CutFields(std::string_view line, Field (&fields)[kFieldCount]) {
    const char* p = line.data();
    const char* end = p + line.size();
    int tooLong = -1;
    for (int i = 0; i < kFieldCount; ++i) {
        while (p < end && SkippedLead(static_cast<unsigned char>(*p), i)) ++p;
        const char* comma = static_cast<const char*>(std::memchr(p, ',', end - p));
        const char* stop = comma != nullptr ? comma : end;
        fields[i] = Field{p, static_cast<std::size_t>(stop - p)};
        if (tooLong < 0 && fields[i].length >= kFieldLimit) tooLong = i;
        p = comma != nullptr ? comma + 1 : end;
    }
    return tooLong;
}

int CountCommas(std::string_view line) {
    int n = 0;
    for (char c : line) n += c == ',';
    return n;
}

bool Blank(std::string_view line) {
    for (char c : line) {
        if (static_cast<unsigned char>(c) > ' ') return false;
    }
    return true;
}

int MatchLnbTypeName(std::string_view text) {
    for (int type = 1; type <= 8; ++type) {
        if (text == kLnbTypeNames[type]) return type;
    }
    return 0;
}

// A number the 32-bit fields can hold, signed (as the writer prints them) or not.
bool Fits32Bits(const Field& f) {
    int64_t v = LeadingInteger(f.text);
    return v >= std::numeric_limits<int32_t>::min() && v <= std::numeric_limits<uint32_t>::max();
}

std::string Quoted(const Field& f) {
    std::string_view v = f.View();
    std::string text = "\"" + EscapeControls(v.substr(0, kQuotedBytes));
    return text + (v.size() > kQuotedBytes ? "...\"" : "\"");
}

std::string LineText(int line) { return "line " + std::to_string(line) + ": "; }

// The per-file state of one read.
class TableReader {
public:
    TableReader(SatTpDatabase& db, SatTpReadReport& report, int headerColumns)
        : db_(db), report_(report), headerColumns_(headerColumns) {
        ApplyLnbDefaults(db_);
        db_.satCount = 0;
        db_.tpCount = 0;
    }

    void Apply(const Piece& piece) {
        if (piece.cut && piece.line != lastCutLine_) {
            lastCutLine_ = piece.line;
            report_.Add(LineText(piece.line) + "longer than " + std::to_string(kLineBytes) +
                        " bytes; the rest is read as a line of its own");
        }
        int commas = CountCommas(piece.text);
        if (commas < kMinCommas) {
            if (!Blank(piece.text)) {
                report_.Add(LineText(piece.line) + std::to_string(commas + 1) +
                            (commas == 0 ? " column" : " columns") + ", the header has " +
                            std::to_string(headerColumns_) +
                            "; skipped");
            }
            return;
        }
        if (full_) {
            if (notRead_++ == 0) firstNotRead_ = piece.line;
            return;
        }
        Field f[kFieldCount];
        int tooLong = CutFields(piece.text, f);
        bool startsSatellite = StartsSatellite(f);
        std::string fault = Fault(f, tooLong, startsSatellite);
        if (!fault.empty()) {
            int parent = orphanParent_;
            CloseOrphans();
            report_.Add(LineText(piece.line) + fault + "; skipped");
            // The transponder lines after a satellite line that was passed over
            // are that satellite's: they must not join the one before it.
            orphanParent_ = startsSatellite ? piece.line : parent;
            return;
        }
        // A line without a name of its own after it belongs to it as well
        // (one without a longitude too, even where no satellite came before).
        bool orphan = f[kName].Empty() && (f[kLongitude].Empty() || !startsSatellite);
        if (orphanParent_ != 0 && orphan) {
            if (orphans_++ == 0) firstOrphan_ = piece.line;
            lastOrphan_ = piece.line;
            return;
        }
        CloseOrphans();
        Store(f, startsSatellite, piece.line);
    }

    void Finish() {
        CloseOrphans();
        if (notRead_ == 0) return;
        std::string what = cutAtSatellites_ ? std::to_string(MAX_SATELLITES) + " satellites"
                                            : std::to_string(MAX_TPS) + " transponders";
        report_.Add(LineText(firstNotRead_) + "table cut at " + what + ": " +
                    std::to_string(notRead_) + (notRead_ == 1 ? " more line" : " more lines") +
                    " not read");
    }

private:
    float PositionOf(const Field (&f)[kFieldCount]) const {
        if (f[kLongitude].Empty()) return position_;
        float position = DecimalTenths(f[kLongitude].text);
        char last = f[kLongitude].Last();
        if (f[kLongitude].length > 1 && (last == 'W' || last == 'w')) position = 3600.0f - position;
        return position;
    }

    bool StartsSatellite(const Field (&f)[kFieldCount]) const {
        bool namesDiffer = !f[kName].Empty() && !previousName_.empty() &&
                           f[kName].View() != previousName_;
        return PositionOf(f) != previousPosition_ || namesDiffer;
    }

    // Why a line cannot be taken as it is; empty when it can.
    static std::string Fault(const Field (&f)[kFieldCount], int tooLong, bool startsSatellite) {
        if (tooLong >= 0) {
            return std::string(kFieldNames[tooLong]) + " " + Quoted(f[tooLong]) + " is " +
                   std::to_string(f[tooLong].length) + " bytes long (" +
                   std::to_string(kFieldLimit - 1) + " at most)";
        }
        int checked[] = {kFrequency, kSymbolRate, kLnbFreq};
        for (int i : checked) {
            // The LNB columns count on satellite lines only, and a type name is no number.
            if (i == kLnbFreq && (!startsSatellite || MatchLnbTypeName(f[i].View()) != 0)) continue;
            if (!Fits32Bits(f[i])) {
                return std::string(kFieldNames[i]) + " " + Quoted(f[i]) +
                       " does not fit in 32 bits";
            }
        }
        return {};
    }

    void CloseOrphans() {
        if (orphans_ > 0) {
            std::string lines = orphans_ == 1 ? "line " + std::to_string(firstOrphan_)
                                              : "lines " + std::to_string(firstOrphan_) + " to " +
                                                    std::to_string(lastOrphan_);
            report_.Add(lines + ": " + std::to_string(orphans_) +
                        (orphans_ == 1 ? " transponder" : " transponders") +
                        " of the satellite on line " + std::to_string(orphanParent_) +
                        "; skipped");
        }
        orphans_ = 0;
        orphanParent_ = 0;
    }

    void Store(const Field (&f)[kFieldCount], bool startsSatellite, int line) {
        position_ = PositionOf(f);
        if (!f[kLnbNo].Empty()) lnb_ = LeadingInteger(f[kLnbNo].text) - 1;
        if (lnb_ < 0 || lnb_ >= LNB_COUNT) lnb_ = 0;
        if (startsSatellite && !StartSatellite(f)) {
            Cut(true, line);
            return;
        }
        NoteUntaken(f, startsSatellite, line);
        TpRecord& tp = db_.tps[db_.tpCount];
        tp = TpRecord{};
        tp.satIndex = static_cast<uint16_t>(satellite_);
        tp.frequency = LeadingU32(f[kFrequency].text);
        tp.symbolRate = LeadingU32(f[kSymbolRate].text);
        char pol = f[kPolarization].First();
        if (pol == 'V' || pol == 'v') tp.flags |= TP_FLAG_VERTICAL;
        char unique = f[kUnique].First();
        if (unique == 'Y' || unique == 'y') tp.flags |= TP_FLAG_UNIQUE;
        if (++db_.tpCount >= MAX_TPS) Cut(false, 0);
    }

    // What a line that is read holds beyond what the tables take from it.
    // The line is read as it always was; this only says so.
    void NoteUntaken(const Field (&f)[kFieldCount], bool startsSatellite, int line) {
        for (int i = 0; i < kFieldCount; ++i) {
            // The LNB columns count on satellite lines only.
            if (!startsSatellite && (i == kLnbFreq || i == kDiseqc)) continue;
            if (f[i].View().find('\0') == std::string_view::npos) continue;
            report_.Add(LineText(line) + kFieldNames[i] + " " + Quoted(f[i]) +
                        ": a NUL byte ends the field");
        }
        if (startsSatellite && std::trunc(DecimalTenths(f[kLongitude].text)) < 0) {
            report_.Add(LineText(line) + "longitude " + Quoted(f[kLongitude]) +
                        " is negative; stored as position " +
                        std::to_string(db_.satellites[satellite_].position));
        }
        if (LeadingInteger(f[kFrequency].text) < 0) {
            report_.Add(LineText(line) + "frequency " + Quoted(f[kFrequency]) +
                        " is negative; stored as " +
                        std::to_string(LeadingU32(f[kFrequency].text)));
        }
    }

    // The tables are full: the lines that follow are only counted.
    void Cut(bool atSatellites, int line) {
        full_ = true;
        cutAtSatellites_ = atSatellites;
        if (line != 0) {
            notRead_ = 1;
            firstNotRead_ = line;
        }
    }

    // False when the table already holds 300 satellites: reading ends before
    // this line changes anything. (Ending at the 300th satellite itself
    // would drop its transponders, so a full table saved and opened again
    // would lose them.)
    bool StartSatellite(const Field (&f)[kFieldCount]) {
        if (db_.satCount >= MAX_SATELLITES) return false;
        previousPosition_ = position_;
        if (!f[kName].Empty()) {
            std::memcpy(previousNameBytes_, f[kName].text, f[kName].length);
            previousName_ = std::string_view(previousNameBytes_, f[kName].length);
        }

        SatRecord& sat = db_.satellites[db_.satCount];
        SetSatName(sat, f[kName].text, f[kName].length);
        sat.lnbIndex = static_cast<uint8_t>(lnb_);
        sat.position = TruncatePosition(position_);

        LnbRecord& lnb = db_.lnbs[lnb_];
        lnb.type = 0;
        lnb.loFrequency = 5150;
        if (!f[kLnbFreq].Empty()) {
            lnb.type = static_cast<uint8_t>(MatchLnbTypeName(f[kLnbFreq].View()));
            if (lnb.type == 0) lnb.loFrequency = LeadingU32(f[kLnbFreq].text);
        }

        const Field& d = f[kDiseqc];
        if (!d.Empty()) {
            lnb.dish = 0;
            lnb.diseqcSwitch = 1;
            int64_t input = LeadingInteger(d.text) - 1;
            if (input < 0) input = 0;
            if (input > 5 || (d.length > 4 && d.View().substr(d.length - 4) == "V1.1")) {
                lnb.diseqcSwitch = 2;
            }
            lnb.diseqcInput = static_cast<uint8_t>(input);
        }

        satellite_ = db_.satCount++;
        return true;
    }

    SatTpDatabase& db_;
    SatTpReadReport& report_;
    int headerColumns_;
    int lastCutLine_ = 0;
    float previousPosition_ = -1.0f;  // no satellite yet
    float position_ = 0.0f;
    int64_t lnb_ = 0;
    int satellite_ = 0;
    char previousNameBytes_[kFieldLimit];
    std::string_view previousName_;
    // Transponder lines of a satellite line that was passed over.
    int orphanParent_ = 0;
    int orphans_ = 0;
    int firstOrphan_ = 0;
    int lastOrphan_ = 0;
    // Once the tables are full.
    bool full_ = false;
    bool cutAtSatellites_ = false;
    int notRead_ = 0;
    int firstNotRead_ = 0;
};

}  // namespace

int ReadSatTpText(SatTpDatabase& db, std::string_view text, std::string* whyNot,
                  SatTpReadReport* report) {
    SatTpReadReport unused;
    SatTpReadReport& out = report != nullptr ? *report : unused;
    out = SatTpReadReport{};
    // Lines that end in CR alone are one long line here, as they always were.
    bool crOnly = text.find('\n') == std::string_view::npos &&
                  text.find('\r') != std::string_view::npos;
    constexpr const char* kCrOnly = "no line feeds: CR-only line ends?";

    PieceReader reader(text);
    Piece piece;
    int headerColumns = 0;
    while (headerColumns == 0 && reader.Next(piece)) {
        std::size_t at = piece.text.find(kHeaderKey);
        if (at == std::string_view::npos) continue;
        headerColumns = piece.text.substr(at + kHeaderKey.size()).starts_with(",unique") ? 9 : 8;
    }
    if (headerColumns == 0) {
        if (whyNot != nullptr) {
            *whyNot = "is not a sattp.csv table: no header line";
            if (crOnly) *whyNot += std::string(" (") + kCrOnly + ")";
        }
        return -1;
    }
    if (crOnly) out.Add(kCrOnly);
    TableReader table(db, out, headerColumns);
    while (reader.Next(piece)) table.Apply(piece);
    table.Finish();
    FillUnusedSatSlots(db);
    return 0;
}

int ReadSatTpFile(SatTpDatabase& db, const char* path, std::string* whyNot,
                  SatTpReadReport* report) {
    if (path == nullptr) {
        if (whyNot != nullptr) *whyNot = "cannot be read: no file name";
        return -1;
    }
    std::string bytes;
    std::string reason;
    if (!ReadInputFile(path, SATTP_FILE_MAX_BYTES, bytes, reason)) {
        if (whyNot != nullptr) *whyNot = reason;
        return -1;
    }
    return ReadSatTpText(db, bytes, whyNot, report);
}

int ReadSatTpFile(SatTpDatabase& db, const char* path) { return ReadSatTpFile(db, path, nullptr); }

}  // namespace velmora
