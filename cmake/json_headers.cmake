# nlohmann-json (Debian's nlohmann-json3-dev), header-only, for tolvane-store.
# The cross compiler must never see the host's /usr/include (it holds glibc
# headers), so a folder holding only a link to the library's own headers is
# put on the include path instead.
set(TOLVANE_JSON_HEADERS /usr/include/nlohmann CACHE PATH "Folder holding nlohmann/json.hpp's headers")
if(NOT EXISTS ${TOLVANE_JSON_HEADERS}/json.hpp)
  message(FATAL_ERROR "nlohmann/json.hpp not found in ${TOLVANE_JSON_HEADERS}: run scripts/setup.sh")
endif()
set(tolvane_json_stage ${CMAKE_BINARY_DIR}/json-headers)
file(MAKE_DIRECTORY ${tolvane_json_stage})
file(CREATE_LINK ${TOLVANE_JSON_HEADERS} ${tolvane_json_stage}/nlohmann SYMBOLIC)

add_library(tolvane_json INTERFACE)
target_include_directories(tolvane_json SYSTEM INTERFACE ${tolvane_json_stage})
# Conversions are spelled out, so a number never passes silently for a text.
target_compile_definitions(tolvane_json INTERFACE JSON_USE_IMPLICIT_CONVERSIONS=0)
