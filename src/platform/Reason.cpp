// The reasons said in English or in the player's language, their details filled in.
#include "Reason.h"

#include <QCoreApplication>
#include <QLocale>

namespace glintrow {

Reason::Reason(std::string verbatim) : verbatim_(std::move(verbatim)) {}

Reason::Reason(const ReasonText& text, std::vector<Reason> details)
    : text_(text.english), details_(std::move(details)) {}

Reason Reason::Figure(double value, int decimals) {
    Reason figure{std::string()};
    figure.figure_ = value;
    figure.decimals_ = decimals;
    return figure;
}

namespace {

// Each %1, %2... becomes its detail in one pass, so a path holding "%2" stays as it is.
QString fillIn(const QString& text, const std::vector<QString>& details) {
    switch (details.size()) {
    case 0:
        return text;
    case 1:
        return text.arg(details[0]);
    case 2:
        return text.arg(details[0], details[1]);
    case 3:
        return text.arg(details[0], details[1], details[2]);
    case 4:
        return text.arg(details[0], details[1], details[2], details[3]);
    default:
        return text.arg(details[0], details[1], details[2], details[3], details[4]);
    }
}

QString writeFigure(const QLocale& locale, double value, int decimals) {
    QLocale writing = locale;
    writing.setNumberOptions(QLocale::OmitGroupSeparator);
    return writing.toString(value, 'f', decimals);
}

} // namespace

std::string Reason::SayInEnglish() const {
    return say(true);
}

std::string Reason::SayInPlayersLanguage() const {
    return say(false);
}

// English figures are written the same whatever the system's locale.
std::string Reason::say(bool inEnglish) const {
    if (decimals_ >= 0)
        return writeFigure(inEnglish ? QLocale::c() : QLocale(), figure_, decimals_).toStdString();
    if (!text_)
        return verbatim_;
    std::vector<QString> details;
    for (const Reason& detail : details_)
        details.push_back(QString::fromStdString(detail.say(inEnglish)));
    const QString text = inEnglish ? QString::fromUtf8(text_)
                                   : QCoreApplication::translate("glintrow::Reason", text_);
    return fillIn(text, details).toStdString();
}

} // namespace glintrow
