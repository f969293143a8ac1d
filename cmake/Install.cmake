# What `cmake --install` puts under the prefix:
#   lib/vychislitsa/   the program folder (VY_INSTALL_PROGRAM_DIR): the program
#                      and everything it finds beside itself (the outside
#                      programs, the Math library, and the folders of files that
#                      vy_beside_program copies: help pages, skins, the tables'
#                      pictures); settings and protocol go there too when it is
#                      writable, otherwise to ~/.config/Вычислица/
#   bin/vychislitsa    the launcher, a link to the program (the program finds
#                      its folder from its own file, so the link may be anywhere)
#   share/applications, share/icons/hicolor   the desktop entry and its icons
#   share/doc/vychislitsa                     the licence
# The Debian package (cmake/Package.cmake) is made from the same rules.
include(GNUInstallDirs)

install(TARGETS vychislitsa logreader helpviewer matrix RUNTIME DESTINATION ${VY_INSTALL_PROGRAM_DIR})
# A shared library is read, never run: no execute bits.
install(TARGETS vy_math LIBRARY DESTINATION ${VY_INSTALL_PROGRAM_DIR}
        PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)

# The launcher: a relative link, so the installed tree may be moved whole.
file(RELATIVE_PATH launcher_target "/${CMAKE_INSTALL_BINDIR}" "/${VY_INSTALL_PROGRAM_DIR}/vychislitsa")
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/launcher)
file(CREATE_LINK ${launcher_target} ${CMAKE_BINARY_DIR}/launcher/vychislitsa SYMBOLIC)
install(FILES ${CMAKE_BINARY_DIR}/launcher/vychislitsa DESTINATION ${CMAKE_INSTALL_BINDIR})

# The desktop entry and the icon: the drawing itself, and bitmaps of it in the
# sizes menus and task bars ask for, rendered at build time.
install(FILES ${PROJECT_SOURCE_DIR}/resources/desktop/vychislitsa.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
find_package(Qt6 6.4 REQUIRED COMPONENTS Svg)
add_executable(rendericon ${PROJECT_SOURCE_DIR}/resources/icons/rendericon.cpp)
target_link_libraries(rendericon PRIVATE Qt6::Gui Qt6::Svg vy_warnings)
set_target_properties(rendericon PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/generators)
set(VY_ICON_SIZES 16 22 24 32 48 64 128 256)
set(VY_ICON_SVG ${PROJECT_SOURCE_DIR}/resources/icons/vychislitsa.svg)
set(VY_ICON_DIR ${CMAKE_BINARY_DIR}/icons/hicolor)
set(icon_files)
foreach(size ${VY_ICON_SIZES})
  list(APPEND icon_files ${VY_ICON_DIR}/${size}x${size}/apps/vychislitsa.png)
endforeach()
add_custom_command(OUTPUT ${icon_files}
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen $<TARGET_FILE:rendericon> ${VY_ICON_SVG} ${VY_ICON_DIR} ${VY_ICON_SIZES}
  DEPENDS rendericon ${VY_ICON_SVG} VERBATIM)
add_custom_target(icons ALL DEPENDS ${icon_files})
install(DIRECTORY ${VY_ICON_DIR} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
install(FILES ${VY_ICON_SVG} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

install(FILES ${PROJECT_SOURCE_DIR}/LICENSE ${PROJECT_SOURCE_DIR}/resources/debian/copyright
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/vychislitsa)
