#pragma once

namespace kvl::core {

// How a report's results header was recognised: by the first column's caption as the Russian or
// the English terminal writes it, or, in any other language, by the table's structure.
enum class HeaderLanguage { kRussian, kEnglish, kByStructure };

}  // namespace kvl::core
