#include "app/CoreText.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>
#include <vector>

#include "app/DisplayText.h"

namespace velmora {

namespace {

// The contexts the core marks its texts with.
constexpr const char* kContexts[] = {"Commands", "Core"};

// The templates the core fills with FillText; each is marked there as well,
// so the translators see it once.
constexpr const char* kTemplates[] = {
    QT_TRANSLATE_NOOP("Core", "Save the changes to %1?"),
    QT_TRANSLATE_NOOP("Core", "Undo %1"),
    QT_TRANSLATE_NOOP("Core", "Redo %1"),
    QT_TRANSLATE_NOOP("Core", "Delete %1 TPs"),
    // The ports.
    QT_TRANSLATE_NOOP("Core", "%1(the adapter was unplugged)"),
    QT_TRANSLATE_NOOP("Core", "Meter found on %1"),
    QT_TRANSLATE_NOOP("Core", "A meter in its bootloader answered on %1: use Firmware upgrade "
                              "(Meter > SOFT upgrade)"),
    QT_TRANSLATE_NOOP("Core", "No meter answered on %1: is the meter switched on and its cable "
                              "plugged?"),
    QT_TRANSLATE_NOOP("Core", "No meter could be asked: %1"),
    QT_TRANSLATE_NOOP("Core", "USB serial adapter plugged in: %1"),
    QT_TRANSLATE_NOOP("Core", "USB serial adapter pulled out: %1"),
    QT_TRANSLATE_NOOP("Core", "You are not allowed to use %1: add yourself to the group '%2' "
                              "(sudo usermod -aG %3 $USER) and log in again"),
    QT_TRANSLATE_NOOP("Core", "%1 is in use by another program"),
    QT_TRANSLATE_NOOP("Core", "%1 is in use by another program (%2)"),
    QT_TRANSLATE_NOOP("Core", "%1 is locked by another program (%2)"),
    QT_TRANSLATE_NOOP("Core", "%1 is gone: is the cable plugged in?"),
    QT_TRANSLATE_NOOP("Core", "%1 is not a serial port"),
    QT_TRANSLATE_NOOP("Core", "%1 cannot be opened"),
    QT_TRANSLATE_NOOP("Core", "%1 cannot be opened: %2"),
    QT_TRANSLATE_NOOP("Core", "%1 is busy: ModemManager is probing it; the package's udev rule "
                              "keeps it away, or wait 10 s"),
    QT_TRANSLATE_NOOP("Core", "A %1 USB serial adapter is plugged in but has no port: brltty (a "
                              "braille display service) claimed it; remove brltty with 'sudo apt "
                              "remove brltty' or, if a braille display needs it, run 'sudo "
                              "systemctl mask brltty-udev.service' and plug the adapter in again"),
    QT_TRANSLATE_NOOP("Core", "%1 has no device: is the cable plugged in? (VELMORA_%2 may name "
                              "its path)"),
    QT_TRANSLATE_NOOP("Core", "%1 answers late (latency timer %2 ms): a table write will take "
                              "about %3 seconds; see the manual page"),
    QT_TRANSLATE_NOOP("Core", "%1 answers late (latency timer %2 ms): a table write will take "
                              "about %3 minutes; see the manual page"),
};

struct Pattern {
    const char* templ;
    QRegularExpression regex;
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
            for (auto it = marker.globalMatch(text); it.hasNext();) {
                const QRegularExpressionMatch m = it.next();
                regex += QRegularExpression::escape(text.mid(at, m.capturedStart() - at));
                regex += QStringLiteral("(.*)");
                at = m.capturedEnd();
            }
            regex += QRegularExpression::escape(text.mid(at)) + QStringLiteral("$");
            out.push_back({templ, QRegularExpression(
                                      regex, QRegularExpression::DotMatchesEverythingOption)});
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
    for (const Pattern& p : Patterns()) {
        const QRegularExpressionMatch m = p.regex.match(source);
        if (!m.hasMatch()) continue;
        QString shown = QCoreApplication::translate("Core", p.templ);
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

}  // namespace velmora
