#include "db/SatTpFile.h"

#include "db/AtomicFile.h"

#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <string_view>

#include "db/NumberText.h"

namespace velmora {

namespace {

// The reader accepts the eight-column header of older files too, and finds it
// anywhere in a line.
constexpr std::string_view kHeaderKey =
    "name,longitude,LNBNo.,LNBFreq,DiSEqC,frequency,symbolrate,polarization";
constexpr std::string_view kHeaderLine =
    "name,longitude,LNBNo.,LNBFreq,DiSEqC,frequency,symbolrate,polarization,unique\r\n";

// Lines are taken in pieces of at most 511 bytes; the rest of a longer line
// is a line of its own.
constexpr std::size_t kLineBytes = 511;
constexpr int kFieldCount = 9;
// A field this long makes the whole line ignored.
constexpr std::size_t kFieldLimit = 64;
// Fewer commas than this: blank lines, comments, titles.
constexpr int kMinCommas = 7;

// Shown in the create diagnostic, as the desktop program has always said it.
constexpr const char* kWriterSource = "velmoraView";

enum FieldIndex { kName, kLongitude, kLnbNo, kLnbFreq, kDiseqc, kFrequency, kSymbolRate,
                  kPolarization, kUnique };

// Buffered reader of 511-byte line pieces, each ending at '\n' (kept) or at
// the piece limit or at the end of the file. Fixed buffers, no allocation.
class LinePieceReader {
public:
    explicit LinePieceReader(int fd) : fd_(fd) {}

    // Fills line with the next piece, NUL-terminated; returns its length,
    // 0 at the end of the file (or on a read error, which ends the file).
    std::size_t Next(char (&line)[kLineBytes + 1]) {
        std::size_t n = 0;
        while (n < kLineBytes) {
            if (pos_ == end_ && !Refill()) break;
            std::size_t want = kLineBytes - n;
            std::size_t avail = end_ - pos_;
            if (avail < want) want = avail;
            const char* nl = static_cast<const char*>(std::memchr(buffer_ + pos_, '\n', want));
            std::size_t take = nl != nullptr ? static_cast<std::size_t>(nl - (buffer_ + pos_)) + 1 : want;
            std::memcpy(line + n, buffer_ + pos_, take);
            n += take;
            pos_ += take;
            if (nl != nullptr) break;
        }
        line[n] = '\0';
        return n;
    }

private:
    bool Refill() {
        for (;;) {
            ssize_t got = ::read(fd_, buffer_, sizeof buffer_);
            if (got < 0 && errno == EINTR) continue;
            if (got <= 0) return false;
            pos_ = 0;
            end_ = static_cast<std::size_t>(got);
            return true;
        }
    }

    int fd_;
    std::size_t pos_ = 0;
    std::size_t end_ = 0;
    char buffer_[16384];
};

struct Field {
    const char* text;  // inside the line; the number parsers stop at its comma
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

// Cuts the nine fields; false when one of them reaches the length limit.
bool CutFields(const char* line, std::size_t length, Field (&fields)[kFieldCount]) {
    const char* p = line;
    const char* end = line + length;
    for (int i = 0; i < kFieldCount; ++i) {
        while (p < end && SkippedLead(static_cast<unsigned char>(*p), i)) ++p;
        const char* comma = static_cast<const char*>(std::memchr(p, ',', end - p));
        const char* stop = comma != nullptr ? comma : end;
        fields[i] = Field{p, static_cast<std::size_t>(stop - p)};
        if (fields[i].length >= kFieldLimit) return false;
        p = comma != nullptr ? comma + 1 : end;
    }
    return true;
}

int CountCommas(const char* line, std::size_t length) {
    int n = 0;
    for (std::size_t i = 0; i < length; ++i) n += line[i] == ',';
    return n;
}

int MatchLnbTypeName(std::string_view text) {
    for (int type = 1; type <= 8; ++type) {
        if (text == kLnbTypeNames[type]) return type;
    }
    return 0;
}

// The per-file state of one read.
class TableReader {
public:
    explicit TableReader(SatTpDatabase& db) : db_(db) {
        ApplyLnbDefaults(db_);
        db_.satCount = 0;
        db_.tpCount = 0;
    }

    // Applies one line; false once a capacity ends the reading.
    bool Apply(const char* line, std::size_t length) {
        if (CountCommas(line, length) < kMinCommas) return true;
        Field f[kFieldCount];
        if (!CutFields(line, length, f)) return true;

        if (!f[kLongitude].Empty()) {
            position_ = DecimalTenths(f[kLongitude].text);
            char last = f[kLongitude].Last();
            if (f[kLongitude].length > 1 && (last == 'W' || last == 'w')) {
                position_ = 3600.0f - position_;
            }
        }
        if (!f[kLnbNo].Empty()) lnb_ = LeadingInteger(f[kLnbNo].text) - 1;
        if (lnb_ < 0 || lnb_ >= LNB_COUNT) lnb_ = 0;

        bool namesDiffer = !f[kName].Empty() && !previousName_.empty() &&
                           f[kName].View() != previousName_;
        if (position_ != previousPosition_ || namesDiffer) {
            if (!StartSatellite(f)) return false;
        }

        TpRecord& tp = db_.tps[db_.tpCount];
        tp = TpRecord{};
        tp.satIndex = static_cast<uint16_t>(satellite_);
        tp.frequency = LeadingU32(f[kFrequency].text);
        tp.symbolRate = LeadingU32(f[kSymbolRate].text);
        char pol = f[kPolarization].First();
        if (pol == 'V' || pol == 'v') tp.flags |= TP_FLAG_VERTICAL;
        char unique = f[kUnique].First();
        if (unique == 'Y' || unique == 'y') tp.flags |= TP_FLAG_UNIQUE;
        return ++db_.tpCount < MAX_TPS;
    }

private:
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
    float previousPosition_ = -1.0f;  // no satellite yet
    float position_ = 0.0f;
    int64_t lnb_ = 0;
    int satellite_ = 0;
    char previousNameBytes_[kFieldLimit];
    std::string_view previousName_;
};

int OpenForReading(const char* path) {
    for (;;) {
        int fd = ::open(path, O_RDONLY | O_CLOEXEC);
        if (fd >= 0 || errno != EINTR) return fd;
    }
}

}  // namespace

int ReadSatTpDescriptor(SatTpDatabase& db, int fd, std::string* whyNot) {
    struct stat st {};
    if (::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
        if (whyNot != nullptr) *whyNot = "is a folder";
        return -1;
    }
    LinePieceReader reader(fd);
    char line[kLineBytes + 1];
    std::size_t length;
    bool header = false;
    while (!header && (length = reader.Next(line)) != 0) {
        header = std::string_view(line, length).find(kHeaderKey) != std::string_view::npos;
    }
    if (!header) {
        if (whyNot != nullptr) *whyNot = "is not a sattp.csv table: no header line";
        return -1;
    }

    TableReader table(db);
    while ((length = reader.Next(line)) != 0) {
        if (!table.Apply(line, length)) break;
    }
    FillUnusedSatSlots(db);
    return 0;
}

int ReadSatTpFile(SatTpDatabase& db, const char* path, std::string* whyNot) {
    if (path == nullptr) {
        if (whyNot != nullptr) *whyNot = "cannot be read: no file name";
        return -1;
    }
    int fd = OpenForReading(path);
    if (fd < 0) {
        if (whyNot != nullptr) *whyNot = std::string("cannot be read: ") + std::strerror(errno);
        return -1;
    }
    int result = ReadSatTpDescriptor(db, fd, whyNot);
    ::close(fd);
    return result;
}

int ReadSatTpFile(SatTpDatabase& db, const char* path) { return ReadSatTpFile(db, path, nullptr); }

namespace {

// Output collected in a fixed buffer and written in large blocks; the first
// failed write sticks, so the caller checks once at the end.
class BlockWriter {
public:
    explicit BlockWriter(int fd) : fd_(fd) {}

    void Put(std::string_view text) {
        if (used_ + text.size() > sizeof buffer_) Drain();
        if (text.size() > sizeof buffer_) {
            WriteAll(text.data(), text.size());
            return;
        }
        std::memcpy(buffer_ + used_, text.data(), text.size());
        used_ += text.size();
    }

    // "%d" of the original format strings: the 32-bit fields print signed.
    void PutInt(int64_t value) {
        char digits[24];
        auto [end, ec] = std::to_chars(digits, digits + sizeof digits, value);
        (void)ec;
        Put(std::string_view(digits, static_cast<std::size_t>(end - digits)));
    }

    bool Finish() {
        Drain();
        return ok_;
    }

private:
    void Drain() {
        WriteAll(buffer_, used_);
        used_ = 0;
    }

    void WriteAll(const char* data, std::size_t size) {
        ok_ = ok_ && WriteAllBytes(fd_, data, size);
    }

    int fd_;
    bool ok_ = true;
    std::size_t used_ = 0;
    char buffer_[32768];
};

void PutLnbColumns(BlockWriter& out, const LnbRecord& lnb) {
    if (lnb.type == 0) {
        out.PutInt(static_cast<int32_t>(lnb.loFrequency));
        out.Put(",");
    } else if (lnb.type <= 8) {
        out.Put(kLnbTypeNames[lnb.type]);
        out.Put(",");
    } else {
        out.Put("5150,");
    }
    // A moved dish or a switch that is off leaves the column empty.
    if (lnb.dish != 1 && (lnb.diseqcSwitch == 1 || lnb.diseqcSwitch == 2)) {
        out.PutInt(lnb.diseqcInput + 1);
        if (lnb.diseqcSwitch == 2) out.Put("-V1.1");
    }
    out.Put(",");
}

void PutSatelliteColumns(BlockWriter& out, const SatTpDatabase& db, const SatRecord& sat) {
    // A comma in a name would shift every column of the line, a line end
    // would split it: both are written as blanks.
    char name[SAT_NAME_BYTES];
    std::size_t length = strnlen(sat.name, SAT_NAME_BYTES);
    for (std::size_t i = 0; i < length; ++i) {
        char c = sat.name[i];
        name[i] = (c == ',' || c == '\r' || c == '\n') ? ' ' : c;
    }
    out.Put(std::string_view(name, length));
    out.Put(",");

    PositionParts pos = PositionText(sat.position);
    out.PutInt(pos.degrees);
    out.Put(".");
    out.PutInt(pos.tenth);
    out.Put(pos.hemisphere == 'W' ? "W," : "E,");

    int lnb = sat.lnbIndex & 0x0F;
    out.PutInt(lnb + 1);
    out.Put(",");
    PutLnbColumns(out, db.lnbs[lnb]);
}

void PutTpColumns(BlockWriter& out, const TpRecord& tp) {
    out.PutInt(static_cast<int32_t>(tp.frequency));
    out.Put(",");
    out.PutInt(static_cast<int32_t>(tp.symbolRate));
    out.Put((tp.flags & TP_FLAG_VERTICAL) != 0 ? ",V," : ",H,");
    out.Put((tp.flags & TP_FLAG_UNIQUE) != 0 ? "Y,\r\n" : " ,\r\n");
}

bool WriteTable(int fd, const SatTpDatabase& db) {
    BlockWriter out(fd);
    out.Put(kHeaderLine);
    int list[TP_LIST_CAPACITY];
    // Every slot, not only those below satCount: a meter may deliver TPs of
    // a slot beyond it, and those are written with that slot's record.
    for (int s = 0; s < MAX_SATELLITES; ++s) {
        int n = ListSatelliteTps(db, s, list);
        if (n == 0) continue;
        PutSatelliteColumns(out, db, db.satellites[s]);
        for (int i = 0; i < n; ++i) {
            if (i > 0) out.Put(",,,,,");
            PutTpColumns(out, db.tps[list[i]]);
        }
    }
    return out.Finish();
}

void ReportCreateFailure(std::FILE* stream, int line) {
    if (stream == nullptr) return;
    std::fprintf(stream, "fopen file error %s line=%d\n", kWriterSource, line);
    std::fflush(stream);
}

}  // namespace

bool WriteSatTpDescriptor(const SatTpDatabase& db, int fd) { return WriteTable(fd, db); }

bool WriteSatTpFile(const SatTpDatabase& db, const char* path, std::FILE* diagnostics) {
    return WriteSatTpFile(db, path, diagnostics, nullptr);
}

bool WriteSatTpFile(const SatTpDatabase& db, const char* path, std::FILE* diagnostics,
                    std::string* whyNot, ReplaceRule rule) {
    if (path == nullptr) return false;
    AtomicFileWriter file;
    std::string reason;
    if (!file.Begin(path, rule)) {
        if (diagnostics != nullptr) ReportCreateFailure(diagnostics, __LINE__);
        reason = file.Error();
    } else if (!WriteTable(file.Descriptor(), db)) {
        reason = std::strerror(errno);
    } else if (!file.Commit()) {
        reason = file.Error();
    } else {
        return true;
    }
    if (whyNot != nullptr) *whyNot = reason;
    return false;
}

}  // namespace velmora
