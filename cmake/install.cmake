# Install and export: a host writes find_package(KalvexDialogs) and links
# Kalvex::core or Kalvex::ui.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

install(TARGETS kalvex_core kalvex_ui EXPORT KalvexDialogsTargets
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/src/ DESTINATION include/kalvex FILES_MATCHING PATTERN "*.h")
install(EXPORT KalvexDialogsTargets NAMESPACE Kalvex:: DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/KalvexDialogs)

configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/KalvexDialogsConfig.cmake.in
                              ${PROJECT_BINARY_DIR}/KalvexDialogsConfig.cmake
                              INSTALL_DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/KalvexDialogs)
install(FILES ${PROJECT_BINARY_DIR}/KalvexDialogsConfig.cmake
        DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/KalvexDialogs)
