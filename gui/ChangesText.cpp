#include "gui/ChangesText.h"

#include <QBoxLayout>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QStringList>

#include "gui/CoreText.h"
#include "gui/DisplayText.h"
#include "core/MessageText.h"
#include "core/SatTpDatabase.h"

namespace velmora {

namespace {

QString Tr(const char* text) {
    return QCoreApplication::translate("ChangesText", text);
}

}  // namespace

QString ChangesText(const std::vector<SatelliteChanges>& satellites) {
    QString text;
    for (const SatelliteChanges& sat : satellites) {
        const QString table = ShownLeftToRight(
            DisplayText(FormatPosition(sat.position) + " " + EscapeControls(sat.name)));
        QString name = table;
        //: A satellite the import adds to the table.
        if (sat.isNew) name = Tr(QT_TRANSLATE_NOOP("ChangesText", "%1 (new)")).arg(name);
        QStringList counts;
        //: Transponders added to a satellite.
        if (!sat.added.empty())
            counts << Tr(QT_TRANSLATE_NOOP("ChangesText", "%1 added")).arg(sat.added.size());
        //: Transponders removed from a satellite.
        if (!sat.removed.empty())
            counts << Tr(QT_TRANSLATE_NOOP("ChangesText", "%1 removed")).arg(sat.removed.size());
        //: Transponders whose symbol rate changes.
        if (!sat.changed.empty())
            counts << Tr(QT_TRANSLATE_NOOP("ChangesText", "%1 changed")).arg(sat.changed.size());
        // A heading starts with a name in Latin letters, which would make its line
        // read left to right; in a right-to-left window a mark says otherwise.
        if (QGuiApplication::isRightToLeft()) text += QChar(0x200F);
        //: A satellite and what changes on it: "19.2E Astra 1KR: 2 added, 1 removed".
        text += Tr(QT_TRANSLATE_NOOP("ChangesText", "%1: %2"))
                    .arg(name, counts.join(Tr(QT_TRANSLATE_NOOP("ChangesText", ", "))));
        text += QLatin1Char('\n');
        for (const std::string& from : sat.matchedFrom) {
            if (QGuiApplication::isRightToLeft()) text += QChar(0x200F);
            //: A list's satellite and the table satellite nearby its transponders go into:
            //: "Thor 5 0.8W matched 1.0W Thor".
            text += QStringLiteral("  ") +
                    Tr(QT_TRANSLATE_NOOP("ChangesText", "%1 matched %2"))
                        .arg(ShownLeftToRight(DisplayText(EscapeControls(from))), table) +
                    QLatin1Char('\n');
        }
        for (const std::string& tp : sat.added)
            text += QStringLiteral("  + %1\n").arg(DisplayText(tp));
        for (const std::string& tp : sat.removed)
            text += QStringLiteral("  - %1\n").arg(DisplayText(tp));
        for (const TpChange& c : sat.changed)
            text +=
                QStringLiteral("  ~ %1 -> %2\n").arg(DisplayText(c.before), DisplayText(c.after));
    }
    return text;
}

QString MergeSummaryText(const MergeCounts& counts) {
    return CoreText(MergeSummary(counts));
}

ChangesPanes AddChangesPanes(QBoxLayout* layout, QWidget* parent, const QString& placeholder) {
    ChangesPanes panes{new QLabel(parent), new QPlainTextEdit(parent)};
    panes.summary->setWordWrap(true);
    layout->addWidget(panes.summary);
    panes.changes->setReadOnly(true);
    panes.changes->setLineWrapMode(QPlainTextEdit::NoWrap);
    panes.changes->setPlaceholderText(placeholder);
    panes.changes->setMinimumHeight(100);
    panes.changes->setMaximumHeight(160);
    layout->addWidget(panes.changes);
    return panes;
}

void ShowChanges(const ChangesPanes& panes, const MergeChanges& changes) {
    panes.summary->setText(MergeSummaryText(changes.counts));
    panes.changes->setPlainText(ChangesText(changes.satellites));
}

}  // namespace velmora
