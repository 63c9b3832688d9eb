# SPDX-FileCopyrightText: 2026 Covering Rectangle developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The Windows program folder: the program, the Qt and MinGW runtime DLLs it and its plugins load
# (read from their import tables), Qt's Windows platform and style plugins, and the licence
# notices of all that ships. CPack packs it as a zip, as an NSIS installer and, through msi.cmake,
# as a Windows Installer package.
install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION platforms)
install(FILES $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin> DESTINATION styles)
set(runtime_dirs ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS})
foreach(dll libstdc++-6.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                    OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
    get_filename_component(dir ${path} DIRECTORY)
    list(APPEND runtime_dirs ${dir})
endforeach()
install(CODE "
    set(DEPLOY_FILES $<TARGET_FILE:covering-rectangle> $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin>
                     $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin>)
    set(DEPLOY_DIRECTORIES ${runtime_dirs})
    set(DEPLOY_OBJDUMP ${CMAKE_OBJDUMP})
    set(DEPLOY_STRIP ${CMAKE_STRIP})
")
install(SCRIPT ${CMAKE_CURRENT_LIST_DIR}/deploy-dlls.cmake)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSES/GPL-3.0-or-later.txt DESTINATION .
        RENAME COPYING.txt)
install(DIRECTORY ${QT6_INSTALL_PREFIX}/licenses/qt DESTINATION licenses)
install(FILES /usr/share/doc/gcc-mingw-w64-base/copyright DESTINATION licenses/mingw-w64
        RENAME gcc-runtime.txt)
install(FILES /usr/share/doc/mingw-w64-common/copyright DESTINATION licenses/mingw-w64
        RENAME winpthreads.txt)

set(CPACK_GENERATOR "ZIP;NSIS;External")
set(CPACK_EXTERNAL_ENABLE_STAGING ON)
set(CPACK_EXTERNAL_PACKAGE_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/msi.cmake)
set(CPACK_PACKAGE_FILE_NAME covering-rectangle-${PROJECT_VERSION}-win64)
set(CPACK_PACKAGE_INSTALL_DIRECTORY "Covering Rectangle")
set(CPACK_PACKAGE_VENDOR "Covering Rectangle developers")
set(CPACK_NSIS_PACKAGE_NAME "Математика - покриващ правоъгълник")
set(CPACK_NSIS_DISPLAY_NAME "${CPACK_NSIS_PACKAGE_NAME}")
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/window/icons/covering-rectangle.ico)
set(CPACK_NSIS_MUI_UNIICON ${CPACK_NSIS_MUI_ICON})
set(CPACK_NSIS_INSTALLED_ICON_NAME covering-rectangle.exe)
set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
set(CPACK_PACKAGE_EXECUTABLES covering-rectangle "${CPACK_NSIS_PACKAGE_NAME}")
set(CPACK_NSIS_MANIFEST_DPI_AWARE ON)
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/cpack-names.cmake)

# CPack's installer script, in Bulgarian alone and as a Unicode installer, so that the Cyrillic
# names show on every Windows whatever its language; a 64-bit one, as the program it installs.
file(READ ${CMAKE_ROOT}/Modules/Internal/CPack/NSIS.template.in template)
string(REGEX REPLACE "  !insertmacro MUI_LANGUAGE \"[A-Za-z]+\"[^\n]*\n" "" template "${template}")
string(REPLACE ";Languages\n" ";Languages\n  !insertmacro MUI_LANGUAGE \"Bulgarian\"\n" template
       "${template}")
# The uninstaller removes the publisher's key too once it is empty, as it was before the install.
set(removal "DeleteRegKey /ifempty SHCTX \"Software\\@CPACK_PACKAGE_VENDOR@")
string(REPLACE "${removal}\\@CPACK_PACKAGE_INSTALL_REGISTRY_KEY@\"\n"
       "${removal}\\@CPACK_PACKAGE_INSTALL_REGISTRY_KEY@\"\n  ${removal}\"\n" template "${template}")
# The script is UTF-8, marked so: one mark, first.
string(ASCII 239 187 191 bom)
string(FIND "${template}" "${bom}" at)
if(at EQUAL 0)
    string(SUBSTRING "${template}" 3 -1 template)
endif()
file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/nsis/NSIS.template.in
     "${bom}Target amd64-unicode\n${template}")
set(CPACK_MODULE_PATH ${CMAKE_CURRENT_BINARY_DIR}/nsis)
