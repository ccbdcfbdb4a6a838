# The version lives in the project() call only. Both programs read it from this generated header, so
# `zql52 --version`, `zql52-cli --version` and the Debian package always agree.
configure_file(${CMAKE_CURRENT_LIST_DIR}/zq_version.h.in ${CMAKE_BINARY_DIR}/generated/zq_version.h @ONLY)
add_library(zq_version INTERFACE)
add_library(zq::version ALIAS zq_version)
target_include_directories(zq_version INTERFACE ${CMAKE_BINARY_DIR}/generated)
