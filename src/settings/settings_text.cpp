#include "settings/settings_text.h"

#include <cstdint>
#include <optional>

namespace {

int digitValue(QChar c) {
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9') return u - u'0';
    if (u >= u'a' && u <= u'f') return u - u'a' + 10;
    if (u >= u'A' && u <= u'F') return u - u'A' + 10;
    return -1;
}

// What may follow the "/" that closes a value: a line end, the end of the text, or a key.
bool closesValue(QStringView text, qsizetype slashAt) {
    static const QStringView keys[] = {u"/COLOR/", u"BLUE:",   u"RED:",        u"GREEN:", u"/DL:",
                                       u"/HIST:",  u"/POPUP:", u"/STATUSBAR:", u"/FAV:"};
    const QStringView after = text.mid(slashAt + 1);
    if (after.isEmpty() || after.front() == u'\r' || after.front() == u'\n') return true;
    for (QStringView key : keys)
        if (after.startsWith(key)) return true;
    return false;
}

// The value after the first occurrence of the key, up to the "/" that closes it. Folders hold
// "/" of their own ("/home/user/Downloads/"), so a "/" inside the value does not end it
// unless no "/" closes the value as above. Without any "/" the value runs to the end of the text,
// less the line end that closes the file. No value at all when the key is missing.
std::optional<QStringView> valueAfter(QStringView text, QStringView key) {
    const qsizetype keyAt = text.indexOf(key);
    if (keyAt < 0) return std::nullopt;
    const qsizetype start = keyAt + key.size();
    qsizetype end = -1;
    for (qsizetype at = text.indexOf(u'/', start); at >= 0 && end < 0;
         at = text.indexOf(u'/', at + 1))
        if (closesValue(text, at)) end = at;
    if (end < 0) end = text.indexOf(u'/', start);
    if (end < 0) {
        end = text.size();
        while (end > start && (text[end - 1] == u'\r' || text[end - 1] == u'\n'))
            --end;
    }
    return text.mid(start, end - start);
}

// A missing key leaves its field as it was: the file only changes what it names.
void takeNumber(QStringView text, QStringView key, int32_t& field) {
    if (auto value = valueAfter(text, key)) field = readSettingsNumber(*value);
}

} // namespace

QByteArray settingsFileText(const BrowserSettings& settings) {
    QByteArray text;
    text += "//COLOR/BLUE:" + QByteArray::number(settings.backgroundBlue) +
            "/RED:" + QByteArray::number(settings.backgroundRed) +
            "/GREEN:" + QByteArray::number(settings.backgroundGreen) + "/\r\n";
    text += "/DL:" + settings.downloadFolder.toUtf8() + "/\r\n";
    text += "/HIST:" + QByteArray::number(settings.historyEnabled) + "/\r\n";
    text += "/POPUP:" + QByteArray::number(settings.blockPopups) + "/\r\n";
    text += "/STATUSBAR:" + QByteArray::number(settings.showStatusBar) + "/\r\n";
    text += "/FAV:" + QByteArray::number(settings.showFavourites) + "/\r\n";
    return text;
}

int32_t readSettingsNumber(QStringView value) {
    qsizetype at = 0;
    while (at < value.size() && (value[at] == u' ' || value[at] == u'\t'))
        ++at;
    bool negative = false;
    if (at < value.size() && (value[at] == u'+' || value[at] == u'-')) {
        negative = value[at] == u'-';
        ++at;
    }
    int base = 10;
    if (at < value.size() && value[at] == u'$') {
        base = 16;
        ++at;
    } else if (at < value.size() && value[at] == u'%') {
        base = 2;
        ++at;
    }
    // Unsigned arithmetic wraps, so an endless row of digits keeps its low bits.
    uint64_t number = 0;
    for (; at < value.size(); ++at) {
        const int digit = digitValue(value[at]);
        if (digit < 0 || digit >= base) break;
        number = number * static_cast<uint64_t>(base) + static_cast<uint64_t>(digit);
    }
    if (negative) number = 0 - number;
    return static_cast<int32_t>(static_cast<uint32_t>(number));
}

bool holdsSettings(QStringView text) {
    return text.contains(u"BLUE:");
}

void takeSettingsFromText(QStringView text, BrowserSettings& settings) {
    // The colour keys are looked for without their leading "/".
    takeNumber(text, u"BLUE:", settings.backgroundBlue);
    takeNumber(text, u"RED:", settings.backgroundRed);
    takeNumber(text, u"GREEN:", settings.backgroundGreen);
    if (auto folder = valueAfter(text, u"/DL:")) settings.downloadFolder = folder->toString();
    takeNumber(text, u"/HIST:", settings.historyEnabled);
    takeNumber(text, u"/POPUP:", settings.blockPopups);
    takeNumber(text, u"/STATUSBAR:", settings.showStatusBar);
    takeNumber(text, u"/FAV:", settings.showFavourites);
}
