# Installing the program as a Linux desktop program, and its Debian package.
#
#   cmake --install build --prefix /usr/local        (or DESTDIR=... for a staging folder)
#   cmake --build build --target package             (program_<version>_<arch>.deb)
#
# bin/            Program, program-cli, radio-sim
# share/program/  language packs, help files, pictures, the default Program.ini (read only)
# share/applications, icons/hicolor, metainfo, mime/packages: the desktop's entry, icons,
#                 AppStream data and the MIME type of .dat files
# share/man/man1  Program(1), program-cli(1), radio-sim(1)
# share/doc/program/examples: a udev rule for USB programming cables
#
# The build folder stays a portable program: everything also sits in bin/ there.
include(GNUInstallDirs)

set(PROGRAM_APP_ID "org.example.Program" CACHE STRING
    "Reverse-domain id of the desktop entry, icons and AppStream data")
set(PROGRAM_MIME_TYPE "application/x-program-codeplug")
set(PROGRAM_HOMEPAGE "https://example.org/program" CACHE STRING
    "Home page named in the AppStream data")
set(PROGRAM_SCREENSHOT_URL "${PROGRAM_HOMEPAGE}/main-window-english.png" CACHE STRING
    "Screenshot named in the AppStream data (docs/main-window-english.png published)")
set(PROGRAM_PACKAGE_MAINTAINER "The Program developers <program@example.org>" CACHE STRING
    "Maintainer field of the Debian package")

set(PROGRAM_SHARE_DIR ${CMAKE_INSTALL_DATADIR}/program)
set(PROGRAM_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/program)
set(desktop_src ${PROJECT_SOURCE_DIR}/resources/desktop)
set(desktop_out ${CMAKE_BINARY_DIR}/desktop)

# The program looks for share/program from its own folder, so an installed tree
# works wherever it is unpacked (a DESTDIR staging folder included).
file(RELATIVE_PATH share_from_bin ${CMAKE_INSTALL_FULL_BINDIR}
     ${CMAKE_INSTALL_FULL_DATADIR}/program)
target_compile_definitions(core_app PRIVATE PROGRAM_SHARE_FROM_BIN="${share_from_bin}")

# Programs; program-print draws the PDF of program-cli print and lies beside it.
foreach(target Program program-cli program-print radio-sim)
    if(TARGET ${target})
        install(TARGETS ${target} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    endif()
endforeach()

# The modules Program loads when first used, found from its own folder.
foreach(target program-help program-printing)
    if(TARGET ${target})
        install(TARGETS ${target} LIBRARY DESTINATION lib/program)
    endif()
endforeach()

if(TARGET Program)
    # Built beside the executable; the factory Program.ini comes from the sources,
    # never the build folder's copy that a run has written to.
    set(bin ${CMAKE_RUNTIME_OUTPUT_DIRECTORY})
    install(FILES ${bin}/English.rcc ${bin}/Chinese.rcc ${bin}/enHelp.qch ${bin}/chHelp.qch
                  ${PROJECT_SOURCE_DIR}/resources/pictures/startup.bmp
                  ${PROJECT_SOURCE_DIR}/resources/pictures/title.ico
                  ${PROJECT_SOURCE_DIR}/resources/pictures/background.bmp
            DESTINATION ${PROGRAM_SHARE_DIR})
    install(FILES ${PROJECT_SOURCE_DIR}/resources/Program.ini DESTINATION ${PROGRAM_SHARE_DIR}
            PERMISSIONS OWNER_READ GROUP_READ WORLD_READ)

    # Desktop entry, AppStream data and MIME type, named after the application id.
    configure_file(${desktop_src}/program.desktop.in ${desktop_out}/${PROGRAM_APP_ID}.desktop @ONLY)
    configure_file(${desktop_src}/program.metainfo.xml.in
                   ${desktop_out}/${PROGRAM_APP_ID}.metainfo.xml @ONLY)
    configure_file(${desktop_src}/program-mime.xml.in ${desktop_out}/${PROGRAM_APP_ID}.xml @ONLY)
    install(FILES ${desktop_out}/${PROGRAM_APP_ID}.desktop
            DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${desktop_out}/${PROGRAM_APP_ID}.metainfo.xml
            DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
    install(FILES ${desktop_out}/${PROGRAM_APP_ID}.xml
            DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
    foreach(size 16 22 24 32 48 64 128 256)
        install(FILES ${desktop_src}/icons/program-${size}.png
                DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
                RENAME ${PROGRAM_APP_ID}.png)
    endforeach()
    install(FILES ${desktop_src}/icons/program.svg
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
            RENAME ${PROGRAM_APP_ID}.svg)
endif()

# Manual pages: Program's is written by hand; program-cli's and radio-sim's are
# their --help with a few sections added. All compressed, as Debian wants them.
set(man_src ${PROJECT_SOURCE_DIR}/resources/man)
set(man_out ${CMAKE_BINARY_DIR}/man)
set(man_pages)
macro(program_man_page name)
    list(APPEND man_pages ${man_out}/${name}.1.gz)
    add_custom_command(
        OUTPUT ${man_out}/${name}.1.gz
        COMMAND ${CMAKE_COMMAND} -E make_directory ${man_out}
        ${ARGN}
        COMMAND gzip -9nf ${man_out}/${name}.1
        VERBATIM)
endmacro()
if(TARGET Program)
    program_man_page(Program
        COMMAND ${CMAKE_COMMAND} -E copy ${man_src}/Program.1 ${man_out}/Program.1
        DEPENDS ${man_src}/Program.1)
endif()
foreach(tool program-cli:codeplug_files_and_the_radio_without_a_window
             radio-sim:a_radio_on_a_pseudo-terminal_for_trying_the_program_without_one)
    string(REPLACE ":" ";" tool ${tool})
    list(GET tool 0 name)
    list(GET tool 1 summary)
    string(REPLACE "_" " " summary ${summary})
    if(TARGET ${name})
        program_man_page(${name}
            COMMAND ${CMAKE_COMMAND} -DPROGRAM=$<TARGET_FILE:${name}> -DNAME=${name}
                    -DSUMMARY=${summary} -DVERSION=${PROJECT_VERSION}
                    -DTAIL=${man_src}/${name}.tail -DOUTPUT=${man_out}/${name}.1
                    -P ${PROJECT_SOURCE_DIR}/cmake/HelpToManPage.cmake
            DEPENDS ${name} ${man_src}/${name}.tail ${PROJECT_SOURCE_DIR}/cmake/HelpToManPage.cmake)
    endif()
endforeach()
if(man_pages)
    add_custom_target(man_pages ALL DEPENDS ${man_pages})
    install(FILES ${man_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()

install(FILES ${PROJECT_SOURCE_DIR}/resources/udev/60-program-cables.rules
        DESTINATION ${PROGRAM_DOC_DIR}/examples)

# The Debian package. Its library dependencies come from dpkg-shlibdeps; what the
# program loads at run time without linking it is named here.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME program)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Program developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "programming tool for a VHF/UHF FM hand-held radio")
# The long description; CPack indents it and puts the summary above it.
set(CPACK_PACKAGE_DESCRIPTION
    "Program reads the 4096-byte configuration memory of a VHF/UHF FM hand-held
two-way radio over its programming cable, edits its channels, features,
signalling and service tuning, saves it as a .dat file, prints a listing and
writes it back. English and Chinese user interface and manual.

program-cli does the same without a window, for scripts and backups;
radio-sim is a radio on a pseudo-terminal for trying the program without one.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${PROGRAM_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${PROGRAM_HOMEPAGE}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The help engine reads the manual through Qt's SQLite driver, a plug-in.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6sql6-sqlite")
# Qt's own buttons in Chinese, and the Chinese letters themselves.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, fonts-wqy-microhei")
set(CPACK_STRIP_FILES ON)
include(CPack)
