#include "controls/button_xp/AccessKey.h"

namespace voxtrel {

QString AccessKeyFromCaption(const QString& caption) {
    // Positions below count from 1, as the rule is stated.
    const qsizetype n = caption.size();
    if (n < 2) {
        return {};
    }
    auto at = [&](qsizetype pos) { return caption.at(pos - 1); };
    const qsizetype p = caption.indexOf(QLatin1Char('&')) + 1;
    if (p <= 0 || p >= n) {
        return {};
    }
    if (at(p + 1) != QLatin1Char('&')) {
        return QString(at(p + 1)).toLower();
    }
    const qsizetype q = caption.indexOf(QLatin1Char('&'), p + 1) + 1; // at or after p + 2
    if (q <= 0 || q >= n) {
        return {};
    }
    if (at(q + 1) != QLatin1Char('&')) {
        return QString(at(q + 1)).toLower();
    }
    return {};
}

} // namespace voxtrel
