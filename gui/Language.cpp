#include "gui/Language.h"

#include <QActionGroup>
#include <QMenu>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QTranslator>

#include "gui/ButtonStyle.h"
#include "gui/Modal.h"

namespace velmora {

namespace {

constexpr Language kLanguages[] = {
    {"en", "English"},   {"de", "Deutsch"},    {"es", "Español"},
    {"fr", "Français"},  {"it", "Italiano"},   {"pl", "Polski"},
    {"pt", "Português"}, {"ru", "Русский"},    {"tr", "Türkçe"},
    {"ar", "العربية"},   {"zh_CN", "简体中文"},
};

constexpr const char* kLanguageKey = "window/language";

// Qt lays the window out right to left when the loaded translation says so.
[[maybe_unused]] constexpr const char* kDirection =
    //: Translate as "RTL" for a language written right to left, else "LTR"
    QT_TRANSLATE_NOOP("QGuiApplication", "QT_LAYOUT_DIRECTION");

// The first of the system's languages (LANGUAGE, LC_ALL, LANG) we have.
QString SystemLanguage() {
    for (QString name : QLocale::system().uiLanguages()) {
        name.replace(QLatin1Char('-'), QLatin1Char('_'));
        for (const Language& l : kLanguages) {
            const QString code = QString::fromLatin1(l.code);
            if (name == code || name.startsWith(code + QLatin1Char('_'))) return code;
        }
        // zh_Hans_CN and the like: the simplified script is what we have.
        if (name.startsWith(QStringLiteral("zh")) && !name.contains(QStringLiteral("Hant")) &&
            !name.contains(QStringLiteral("TW")) && !name.contains(QStringLiteral("HK"))) {
            return QStringLiteral("zh_CN");
        }
    }
    return QStringLiteral("en");
}

}  // namespace

std::span<const Language> Languages() { return kLanguages; }

bool KnownLanguage(const QString& code) {
    for (const Language& l : kLanguages) {
        if (code == QLatin1String(l.code)) return true;
    }
    return false;
}

QString ChosenLanguage() {
    const QString code = QSettings().value(QLatin1String(kLanguageKey)).toString();
    return KnownLanguage(code) ? code : QString();
}

void SetChosenLanguage(const QString& code) {
    QSettings settings;
    if (code.isEmpty()) {
        settings.remove(QLatin1String(kLanguageKey));
    } else {
        settings.setValue(QLatin1String(kLanguageKey), code);
    }
}

QString InstallLanguage(QCoreApplication& app, const QString& code) {
    QString use = code;
    if (use.isEmpty()) use = ChosenLanguage();
    if (use.isEmpty()) use = SystemLanguage();
    UseWindowStyle();
    if (use == QLatin1String("en")) return use;
    auto* own = new QTranslator(&app);
    if (own->load(QStringLiteral(":/i18n/velmora_%1.qm").arg(use))) {
        QCoreApplication::installTranslator(own);
    } else {
        delete own;
    }
    // Qt ships its own texts in Brazilian Portuguese only; close enough for
    // the standard buttons beside our European Portuguese.
    const QString qtDir = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    auto* qt = new QTranslator(&app);
    if (qt->load(QStringLiteral("qtbase_%1").arg(use), qtDir) ||
        (use == QLatin1String("pt") && qt->load(QStringLiteral("qtbase_pt_BR"), qtDir))) {
        QCoreApplication::installTranslator(qt);
    } else {
        delete qt;
    }
    // Qt would turn the window around only when it next handles its events;
    // the window is built before that, and its labels must know the direction
    // as they are made.
    const bool rtl = QCoreApplication::translate("QGuiApplication", "QT_LAYOUT_DIRECTION") ==
                     QLatin1String("RTL");
    QGuiApplication::setLayoutDirection(rtl ? Qt::RightToLeft : Qt::LeftToRight);
    return use;
}

void AddLanguageMenu(QMenu* parent) {
    QMenu* menu = parent->addMenu(QCoreApplication::translate("Language", "Language"));
    auto* group = new QActionGroup(menu);
    const QString chosen = ChosenLanguage();
    auto add = [&](const QString& code, const QString& name) {
        QAction* action = menu->addAction(name);
        action->setCheckable(true);
        action->setChecked(code == chosen);
        action->setData(code);
        group->addAction(action);
    };
    add(QString(), QCoreApplication::translate("Language", "System default"));
    menu->addSeparator();
    for (const Language& l : kLanguages) {
        add(QString::fromLatin1(l.code), QString::fromUtf8(l.nativeName));
    }
    QObject::connect(group, &QActionGroup::triggered, menu, [menu](QAction* action) {
        SetChosenLanguage(action->data().toString());
        modal::Inform(menu->window(),
                      QCoreApplication::translate(
                          "Language", "The language changes when Orvane is started next."));
    });
}

}  // namespace velmora
