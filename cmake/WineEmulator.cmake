# Runs the Windows programs of a cross-build under Wine: its own prefix inside the build folder,
# never the user's, and the Russian locale, which gives Wine the ANSI code page 1251.
find_program(KVL_WINE wine REQUIRED)
find_program(KVL_WINESERVER NAMES wineserver wineserver64 PATHS /usr/lib/wine REQUIRED)
# Wine shows the build machine's file system as drive Z:, where the test programs find the
# fixtures and the tool.
set(KVL_TARGET_PATH_PREFIX Z:)
set(KVL_WINE_PREFIX ${CMAKE_BINARY_DIR}/wine-prefix)
set(KVL_WINE_ENVIRONMENT
  WINEPREFIX=${KVL_WINE_PREFIX}
  LANG=ru_RU.UTF-8 LC_ALL=ru_RU.UTF-8
  WINEDEBUG=-all
  # No Mono and no Gecko: the prefix is for console programs.
  WINEDLLOVERRIDES=mscoree,mshtml=)
set(CMAKE_CROSSCOMPILING_EMULATOR /usr/bin/env ${KVL_WINE_ENVIRONMENT} ${KVL_WINE})

# The prefix is made once, by the build, so that the tests' first runs do not race to make it.
add_custom_command(OUTPUT ${KVL_WINE_PREFIX}/system.reg
  COMMAND ${CMAKE_CROSSCOMPILING_EMULATOR} wineboot --init
  COMMAND /usr/bin/env ${KVL_WINE_ENVIRONMENT} ${KVL_WINESERVER} --wait
  COMMENT "Making the Wine prefix ${KVL_WINE_PREFIX}"
  VERBATIM)
add_custom_target(wine_prefix ALL DEPENDS ${KVL_WINE_PREFIX}/system.reg)
