#pragma once

#include <QString>
#include <optional>

namespace voxtrel {

class Baza;
class CodePage;

// Whether a table's names look like they were read in the wrong code page, and which one
// they were more likely written in. Names of plain ASCII say nothing; among the others, a
// Latin reading where most letters are accented (what Greek or Cyrillic bytes give in a
// Western code page) is unlikely, and ICU's charset detector names the likely page.
namespace LikelyEncoding {

// The code page Table's names suggest when Chosen looks wrong for them; none when Chosen
// looks right or nothing better is known.
[[nodiscard]] std::optional<QString> Instead(const Baza& Table, const CodePage& Chosen);

} // namespace LikelyEncoding
} // namespace voxtrel
