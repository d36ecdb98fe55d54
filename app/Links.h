#pragma once

#include <QtGlobal>

#include <QString>

namespace voxtrel::Links {

// The information menu's pages and credit. Invented for this project.
inline const QString SiteHomeCaption = QStringLiteral("Voxtrel Community");
inline const QString SiteHomeUrl = QStringLiteral("https://community.voxtrel.example/");
inline const QString PartnerCaption = QStringLiteral("Sunday League Hub");
inline const QString PartnerUrl = QStringLiteral("https://league.sundayhub.example/");
// Translated where it is shown: "Made by" is the program's words, the member name is not.
inline constexpr const char* AuthorCaption =
    QT_TRANSLATE_NOOP("voxtrel::Links", "Made by kicker_quill");
inline const QString AuthorUrl =
    QStringLiteral("https://community.voxtrel.example/members/kicker_quill");
inline const QString Credit = QStringLiteral(
    "Voxtrel String Editor 2011 was written by kicker_quill of the Voxtrel community.");

} // namespace voxtrel::Links
