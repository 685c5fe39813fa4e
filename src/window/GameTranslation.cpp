// The game's own translation of the player's language, checked against the build's digest.
#include "GameTranslation.h"

#include "GameFacts.h"
#include "TranslationDigests.h"
#include "platform/RegularFile.h"
#include "platform/Runtime.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <cerrno>
#include <cstdio>
#include <memory>
#include <optional>
#include <span>

#include <unistd.h>

namespace glintrow {
namespace {

// The translator reads its messages from these bytes for as long as it is installed.
struct Translation {
    QByteArray bytes;
    std::unique_ptr<QTranslator> translator;
};

Translation& installedTranslation() {
    static Translation translation;
    return translation;
}

// The translator of the toolkit's own texts in the player's language, for the program's life.
QTranslator& toolkitTranslator() {
    static QTranslator translator;
    return translator;
}

const TranslationDigest* findReleased(const QString& language) {
    for (const TranslationDigest& digest : std::span(TranslationDigests, TranslationDigestCount))
        if (language == QLatin1String(digest.language))
            return &digest;
    return nullptr;
}

// The language the toolkit's own search would take for the locale, among those the game speaks.
const TranslationDigest* findLanguage(const QLocale& locale) {
    for (QString language : locale.uiLanguages()) {
        language.replace(u'-', u'_');
        for (;;) {
            if (const TranslationDigest* digest = findReleased(language))
                return digest;
            const qsizetype cut = language.lastIndexOf(u'_');
            if (cut <= 0)
                break;
            language.truncate(cut);
        }
    }
    return nullptr;
}

void speakEnglish(const std::string& why) {
    std::fprintf(stderr, "glintrow: %s; the game speaks English\n", why.c_str());
}

// The file's bytes when they are exactly those the build released; otherwise none, said in one
// line, but for a file that is not there. The size is checked before anything is read.
std::optional<QByteArray> readAsReleased(const std::string& path,
                                         const TranslationDigest& released) {
    if (::access(path.c_str(), F_OK) != 0 && errno == ENOENT)
        return std::nullopt;
    try {
        QFile file;
        if (!file.open(OpenRegularFile(path), QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
            speakEnglish(path + ": " + file.errorString().toStdString());
            return std::nullopt;
        }
        QByteArray bytes = file.size() == released.bytes ? file.read(released.bytes) : QByteArray();
        if (QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex() !=
            released.sha256) {
            speakEnglish(path + " is not the translation this game was built with (" +
                         (file.size() == released.bytes
                              ? std::string("other bytes of the same size")
                              : std::to_string(file.size()) + " bytes, not " +
                                    std::to_string(released.bytes)) +
                         ")");
            return std::nullopt;
        }
        return bytes;
    } catch (const RuntimeError& failure) {
        speakEnglish(failure.what());
        return std::nullopt;
    }
}

} // namespace

const QTranslator* InstallGameTranslation(const QLocale& locale, const std::string& folder) {
    Translation& installed = installedTranslation();
    if (installed.translator)
        QCoreApplication::removeTranslator(installed.translator.get());
    installed.translator.reset();
    installed.bytes.clear();
    const TranslationDigest* released = findLanguage(locale);
    if (!released || folder.empty())
        return nullptr;
    std::optional<QByteArray> bytes = readAsReleased(
        folder + "/" + TranslationsName + "_" + released->language + ".qm", *released);
    if (!bytes)
        return nullptr;
    installed.bytes = std::move(*bytes);
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(reinterpret_cast<const uchar*>(installed.bytes.constData()),
                          static_cast<int>(installed.bytes.size())))
        return nullptr;
    QCoreApplication::installTranslator(translator.get());
    installed.translator = std::move(translator);
    return installed.translator.get();
}

void LoadPlayerLanguage(const QLocale& locale) {
    QTranslator& toolkit = toolkitTranslator();
    QCoreApplication::removeTranslator(&toolkit);
    if (toolkit.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&toolkit);
    std::string folder;
    try {
        folder = AppPath() + "/" + TranslationsFolder;
    } catch (const std::exception&) {
    }
    const QTranslator* game = InstallGameTranslation(locale, folder);
    // The figures in a text follow the language it is said in: English where none was found.
    QLocale::setDefault(game ? QLocale(game->language()) : QLocale::c());
}

} // namespace glintrow
