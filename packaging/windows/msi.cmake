# SPDX-FileCopyrightText: 2026 Covering Rectangle developers
# SPDX-License-Identifier: GPL-3.0-or-later

# CPack's External generator runs this on the staged program folder, the one the zip holds: it
# builds the Windows Installer package <package file name>.msi from covering-rectangle.wxs with
# wixl, listing the folder's files with wixl-heat.
#
# wixl writes every string in the package's code page 0, in which Cyrillic is lost. The package
# is therefore switched to Windows' Cyrillic code page 1251 afterwards, and the Bulgarian texts
# are put in then: the product's name as Windows lists it, the shortcut's name and the message
# that refuses an older version. The summary information stays in English, as it is stored in
# code page 1252; its template names the product's language.
set(folder ${CPACK_TEMPORARY_DIRECTORY})
set(work ${CPACK_TOPLEVEL_DIRECTORY}/msi)
set(package ${CPACK_TOPLEVEL_DIRECTORY}/${CPACK_PACKAGE_FILE_NAME}.msi)
file(MAKE_DIRECTORY ${work})

# Runs a command, its arguments as given, semicolons too.
function(run)
    cmake_parse_arguments(PARSE_ARGV 0 command "" "" "")
    execute_process(COMMAND ${command_UNPARSED_ARGUMENTS} WORKING_DIRECTORY ${work}
                    RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "msi: ${ARGN} failed")
    endif()
endfunction()

file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE ${folder} ${folder}/*)
list(SORT files)
list(TRANSFORM files PREPEND "${folder}/")
list(JOIN files "\n" listing)
file(WRITE ${work}/files.txt "${listing}\n")
run(wixl-heat --prefix ${folder}/ --exclude covering-rectangle.exe --directory-ref INSTALLDIR
    --component-group ProgramFolder --var var.Folder --win64
    INPUT_FILE ${work}/files.txt OUTPUT_FILE ${work}/files.wxs)
# wixl takes only paths relative to the folder it runs in.
file(RELATIVE_PATH folder_path ${work} ${folder})
file(RELATIVE_PATH icon_path ${work} ${CPACK_NSIS_MUI_ICON})
set(language 1026) # Bulgarian
run(wixl --arch x64 --output ${package} --define Language=${language}
    --define Version=${CPACK_PACKAGE_VERSION} --define "Publisher=${CPACK_PACKAGE_VENDOR}"
    --define Win64=yes --define Folder=${folder_path} --define Icon=${icon_path}
    ${CMAKE_CURRENT_LIST_DIR}/covering-rectangle.wxs ${work}/files.wxs)

# wixl writes the summary's template for English; its package code is kept.
execute_process(COMMAND msiinfo suminfo ${package} OUTPUT_VARIABLE summary)
string(REGEX MATCH "Revision number \\(UUID\\): ([^\n]*)" _ "${summary}")
set(package_code ${CMAKE_MATCH_1})
set(name "${CPACK_NSIS_DISPLAY_NAME}")
set(newer "На този компютър вече е инсталирана по-нова версия на „${name}“.")
file(WRITE ${work}/_ForceCodepage.idt "\r\n\r\n1251\t_ForceCodepage\r\n")
run(msibuild ${package} -i _ForceCodepage.idt
    -q "UPDATE `Property` SET `Value` = '${name}' WHERE `Property` = 'ProductName'"
    -q "UPDATE `Shortcut` SET `Name` = '${name}' WHERE `Shortcut` = 'StartMenu'"
    -q "UPDATE `LaunchCondition` SET `Description` = '${newer}'
        WHERE `Condition` = 'NOT WIX_DOWNGRADE_DETECTED'"
    -s "Covering Rectangle" "${CPACK_PACKAGE_VENDOR}" "x64;${language}" ${package_code})
set(CPACK_EXTERNAL_BUILT_PACKAGES ${package})
