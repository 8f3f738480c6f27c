#include "gui/CoreText.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>
#include <vector>

#include "gui/DisplayText.h"

namespace velmora {

namespace {

// The contexts the core marks its texts with.
constexpr const char* kContexts[] = {"Commands", "Core"};

// The templates the core fills with FillText, as marked there. The
// translations test fails on a marked template of kContexts missing here.
constexpr const char* kTemplates[] = {
    // Session.
    "Save the changes to %1?",
    "Undo %1",
    "Redo %1",
    "Delete %1 TPs",
    "Flash1M.bin written: %1 (%2 bytes)",
    "%1\n\nThe result was added to %2.",
    "SOFT upgrade erases the meter's firmware and writes %1 in its place.\n\n"
    "Switch the meter on while holding EXIT, then answer Yes.\n"
    "Do not switch the meter off until the upgrade is done.\n\n"
    "Upgrade the firmware now?",
    "Patch up done in %1 s.",
    "SOFT: %1",
    "LOGO: %1",
    "ICON: %1",
    "Patch up done in %1 s: firmware upgraded and verified.",
    "Patch up done in %1 s: firmware upgraded and verified; %2.",
    "Patch up done in %1 s: %2.",
    "Cannot write %1: %2",
    "Cannot create the data folder %1: %2",
    "Cannot copy the sample table into %1.",
    "Exported 1 satellite and 1 transponder to %1",
    "Exported 1 satellite and %1 transponders to %2",
    "Exported %1 satellites and 1 transponder to %2",
    "Exported %1 satellites and %2 transponders to %3",
    "%1 was not read completely:\n\n%2\n\nSaving it writes the table without what is "
    "listed here.",
    "%1 was not read completely (1 finding), so the table to be saved is shorter than that "
    "file.",
    "%1 was not read completely (%2 findings), so the table to be saved is shorter than that "
    "file.",
    "%1 Save anyway ?",
    "%1 cannot keep: %2.",
    "Import added %1 TPs",
    "Import added 1 TP, %1 satellites",
    "Import added %1 TPs, 1 satellite",
    "Import added %1 TPs, %2 satellites",
    // Meter link.
    "No answer from the meter on %1 yet: is it switched on and connected to this port? %2",
    "No answer from the meter on %1: is it switched on and connected to this port? Nothing on "
    "the meter was changed.",
    "%1 The meter's table before this write is in %2.",
    "Logo written: %1",
    "%1: LNB %2 (%3) receives %4..%5 MHz only",
    "Icon written: %1",
    "Icon file header makes no sense ! %1 announces records of %2 bytes, %3 x %4 of each size: "
    "all three must be above 0.",
    "Icon file too large ! %1 announces %2 bytes; the meter's icon area holds %3.",
    "Logo file too short ! %1 holds %2 bytes; a logo takes %3.",
    "Icon file too short ! %1 holds %2 bytes; an icon header takes %3.",
    "Icon file too short ! %1 holds %2 bytes; its header announces %3.",
    "Backup failed: cannot write %1: %2. Nothing was written; the meter's table was left as it "
    "was.",
    "There are no backups in %1. A backup is taken before each write while Meter > Back up "
    "before write is on.",
    "Write the backup %1 to the meter? It replaces the meter's table.",
    "Backup written to the meter: %1",
    "The backup %1 holds no satellites, so there is nothing to write back.",
    // Table check and comparison.
    "LNB %1: unknown type %2 (shown as 5150)",
    "%1: position %2 is above 3599 tenths of a degree (shown as %3)",
    "%1: name has bytes that are not UTF-8 (%2)",
    "%1: no transponders",
    "%1: frequency %2 is outside %3..%4 MHz",
    "%1: symbol rate %2 is outside %3..%4 kS/s",
    "%1: SAT %2 is not in use (the table has %3 satellites)",
    "%1: duplicate of TP %2 (%3)",
    "%1 differences",
    // The import, the catalog and downloads.
    "Downloading %1",
    "no scan tables in %1: install them with 'sudo apt install dtv-scan-tables'",
    "no scan tables in %1: %2",
    // Edits.
    "Delete the transponder %1?",
    "Delete %1 TPs ?",
    "Delete the satellite %1 and its transponders?",
    "matched %1, added %2 satellites and %3 transponders, %4 duplicates skipped, %5 replaced, "
    "%6 left out (table full), %7 invalid",
    // The ports.
    "%1(the adapter was unplugged)",
    "Meter found on %1",
    "A meter in its bootloader answered on %1: use Firmware upgrade "
    "(Meter > SOFT upgrade)",
    "No meter answered on %1: is the meter switched on and its cable "
    "plugged?",
    "No meter could be asked: %1",
    "USB serial adapter plugged in: %1",
    "USB serial adapter pulled out: %1",
    "You are not allowed to use %1: add yourself to the group '%2' "
    "(sudo usermod -aG %3 $USER) and log in again",
    "%1 is in use by another program",
    "%1 is in use by another program (%2)",
    "%1 is locked by another program (%2)",
    "%1 is gone: is the cable plugged in?",
    "%1 is not a serial port",
    "%1 cannot be opened",
    "%1 cannot be opened: %2",
    "%1 is busy: ModemManager is probing it; the package's udev rule "
    "keeps it away, or wait 10 s",
    "A %1 USB serial adapter is plugged in but has no port: brltty (a "
    "braille display service) claimed it; remove brltty with 'sudo apt "
    "remove brltty' or, if a braille display needs it, run 'sudo "
    "systemctl mask brltty-udev.service' and plug the adapter in again",
    "%1 has no device: is the cable plugged in? (VELMORA_%2 may name "
    "its path)",
    "%1 answers late (latency timer %2 ms): a table write will take "
    "about %3 seconds; see the manual page",
    "%1 answers late (latency timer %2 ms): a table write will take "
    "about %3 minutes; see the manual page",
    // The batch.
    "The meter restarts with its new firmware: %1 s",
};

struct Pattern {
    const char* templ;
    QRegularExpression regex;
    qsizetype literal;  // characters outside the markers: the more, the closer the match
};

// "%1" becomes a group that takes any text; everything else is literal.
const std::vector<Pattern>& Patterns() {
    static const std::vector<Pattern> patterns = [] {
        std::vector<Pattern> out;
        static const QRegularExpression marker(QStringLiteral("%[1-9]"));
        for (const char* templ : kTemplates) {
            const QString text = QString::fromUtf8(templ);
            QString regex = QStringLiteral("^");
            qsizetype at = 0;
            qsizetype literal = text.size();
            for (auto it = marker.globalMatch(text); it.hasNext();) {
                const QRegularExpressionMatch m = it.next();
                regex += QRegularExpression::escape(text.mid(at, m.capturedStart() - at));
                regex += QStringLiteral("(.*)");
                literal -= m.capturedLength();
                at = m.capturedEnd();
            }
            regex += QRegularExpression::escape(text.mid(at)) + QStringLiteral("$");
            out.push_back({templ,
                           QRegularExpression(regex,
                                              QRegularExpression::DotMatchesEverythingOption),
                           literal});
        }
        return out;
    }();
    return patterns;
}

}  // namespace

QString CoreText(const std::string& text) {
    // Paths and names in a text are bytes: shown as the rest of the window shows them.
    const QString source = DisplayText(text);
    for (const char* context : kContexts) {
        QString shown = QCoreApplication::translate(context, text.c_str());
        if (shown != source) return shown;
    }
    // Of the templates that match, the one with the most fixed text: "%1 Save
    // anyway ?" also matches a question whose own template says more.
    const Pattern* best = nullptr;
    QRegularExpressionMatch m;
    for (const Pattern& p : Patterns()) {
        if (best != nullptr && p.literal <= best->literal) continue;
        QRegularExpressionMatch match = p.regex.match(source);
        if (!match.hasMatch()) continue;
        best = &p;
        m = match;
    }
    if (best != nullptr) {
        QString shown = QString::fromUtf8(best->templ);
        for (const char* context : kContexts) {
            const QString translated = QCoreApplication::translate(context, best->templ);
            if (translated != shown) {
                shown = translated;
                break;
            }
        }
        // Filled in one pass, so a value that holds "%2" stays as it is.
        QString out;
        for (qsizetype i = 0; i < shown.size(); ++i) {
            const QChar next = i + 1 < shown.size() ? shown[i + 1] : QChar();
            const int n = next.digitValue();
            if (shown[i] == QLatin1Char('%') && n >= 1 && n <= m.lastCapturedIndex()) {
                // A value that is itself a core text ("Undo %1" of "Add TP") is
                // translated too; a path or a number is no known text and stays.
                out += CoreText(m.captured(n).toStdString());
                ++i;
            } else {
                out += shown[i];
            }
        }
        return out;
    }
    // A status of two lines ("Connect fail " and why) is translated line by line.
    if (text.find('\n') != std::string::npos) {
        QStringList lines;
        std::size_t start = 0;
        for (std::size_t end; (end = text.find('\n', start)) != std::string::npos;
             start = end + 1) {
            lines << CoreText(text.substr(start, end - start));
        }
        lines << CoreText(text.substr(start));
        return lines.join(QLatin1Char('\n'));
    }
    return source;
}

QString CoreText(const char* text) { return CoreText(std::string(text)); }

QStringList CoreTemplates() {
    QStringList out;
    for (const char* templ : kTemplates) out << QString::fromUtf8(templ);
    return out;
}

}  // namespace velmora
