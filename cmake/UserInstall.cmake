# `cmake --install build/native --prefix ~` puts the LV2 bundle and the .clap
# where hosts look for a user's own plug-ins: ~/.lv2 and ~/.clap. For a
# system-wide install, e.g. under /usr/local, set the folders to lib/lv2 and
# lib/clap. The Debian package stages its files itself (tools/make-deb.sh).
set(SWEEPFILTER_LV2_INSTALL_DIR .lv2 CACHE STRING "Folder of LV2 bundles, below the install prefix")
set(SWEEPFILTER_CLAP_INSTALL_DIR .clap CACHE STRING "Folder of CLAP plug-ins, below the install prefix")

install(DIRECTORY ${SWEEPFILTER_LV2_PATH}/sweepfilter.lv2 DESTINATION ${SWEEPFILTER_LV2_INSTALL_DIR} COMPONENT plugins)
install(TARGETS clap_plugin LIBRARY DESTINATION ${SWEEPFILTER_CLAP_INSTALL_DIR} COMPONENT plugins)
