# CLI11 and nlohmann/json are header-only. A cross-build takes Debian's headers as they are, each
# package's own folder linked into the build folder, since the system's include folder holds the
# build machine's C library.
if(NOT CMAKE_CROSSCOMPILING)
  find_package(CLI11 REQUIRED)
  find_package(nlohmann_json 3 REQUIRED)
  return()
endif()

function(kvl_host_headers target folder)
  set(root ${CMAKE_BINARY_DIR}/host-headers/${folder})
  if(NOT EXISTS /usr/include/${folder})
    message(FATAL_ERROR "${target} needs /usr/include/${folder}; run scripts/install-deps")
  endif()
  file(MAKE_DIRECTORY ${root})
  file(CREATE_LINK /usr/include/${folder} ${root}/${folder} SYMBOLIC)
  add_library(${target} INTERFACE IMPORTED GLOBAL)
  set_target_properties(${target} PROPERTIES INTERFACE_INCLUDE_DIRECTORIES ${root})
endfunction()

kvl_host_headers(CLI11::CLI11 CLI)
kvl_host_headers(nlohmann_json::nlohmann_json nlohmann)
