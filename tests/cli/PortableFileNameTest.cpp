#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include <cli/setfiles/PortableFileName.h>

using namespace kvl::cli;

namespace {

TEST(PortableFileNameTest, ChangesWhatWindowsWouldTakeForADeviceOrCutShort) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      // Device names, alone or before a dot or blanks, in any case.
      {"CON", "CON_"},
      {"con.set", "con_.set"},
      {"Nul.tar.gz", "Nul_.tar.gz"},
      {"aux .set", "aux_ .set"},
      {"PRN", "PRN_"},
      {"COM1.set", "COM1_.set"},
      {"lpt9", "lpt9_"},
      // Names that only look like them.
      {"COM0.set", "COM0.set"},
      {"COM10.set", "COM10.set"},
      {"LPT.set", "LPT.set"},
      {"CONSOLE.set", "CONSOLE.set"},
      {"xCON.set", "xCON.set"},
      {"7.con", "7.con"},
      // Dots and blanks at the end are dropped, as Windows drops them; those inside stay.
      {"7.set.", "7.set"},
      {"7.set . ", "7.set"},
      {"CON. ", "CON_"},
      {"...", ""},
      {"a b.set", "a b.set"},
      // Characters no Windows name may hold.
      {"a:b|c?.set", "a_b_c_.set"},
  };
  for (const auto& [name, portable] : cases) EXPECT_EQ(PortableFileName(name), portable) << name;
}

}  // namespace
