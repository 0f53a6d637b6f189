# The release zip a musician installs from: both DLLs, the 64-bit CLAP
# plug-in and the user guide. Made from the 32-bit build tree, which picks up
# the 64-bit files from their own build tree (tools/make-release.sh builds both first).
set(SWEEPFILTER_WIN64_DLL "${CMAKE_SOURCE_DIR}/build/win64/SweepFilter.dll"
    CACHE FILEPATH "The 64-bit plug-in to put beside the 32-bit one in the release zip")
set(SWEEPFILTER_WIN64_CLAP "${CMAKE_SOURCE_DIR}/build/win64/SweepFilter.clap"
    CACHE FILEPATH "The 64-bit CLAP plug-in for the release zip")

install(TARGETS SweepFilter RUNTIME DESTINATION 32-bit LIBRARY DESTINATION 32-bit)
install(FILES "${SWEEPFILTER_WIN64_DLL}" "${SWEEPFILTER_WIN64_CLAP}" DESTINATION 64-bit)
install(FILES docs/USER_GUIDE.md DESTINATION . RENAME "User Guide.md")
install(FILES docs/panel.png DESTINATION .)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME SweepFilter)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME "SweepFilter-${PROJECT_VERSION}-windows")
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
set(CPACK_PACKAGE_DIRECTORY "${CMAKE_BINARY_DIR}/release")
include(CPack)
