# SPDX-FileCopyrightText: 2026 Covering Rectangle developers
# SPDX-License-Identifier: GPL-3.0-or-later

# An install script: installs beside the program the DLLs that DEPLOY_FILES load, as their
# import tables name them, found in DEPLOY_DIRECTORIES, and the DLLs those load in turn. A DLL
# found in none of the folders comes with Windows. Stripped with DEPLOY_STRIP when the
# installation is stripped (Debian's MinGW runtime DLLs carry debugging symbols).
cmake_policy(VERSION 3.25)
set(pending ${DEPLOY_FILES})
set(seen)
while(pending)
    list(POP_FRONT pending file)
    execute_process(COMMAND ${DEPLOY_OBJDUMP} -p ${file} OUTPUT_VARIABLE imports
                    COMMAND_ERROR_IS_FATAL ANY)
    string(REGEX MATCHALL "DLL Name: [^\n]+" names "${imports}")
    foreach(entry IN LISTS names)
        string(REPLACE "DLL Name: " "" name "${entry}")
        if(name IN_LIST seen)
            continue()
        endif()
        list(APPEND seen ${name})
        foreach(dir IN LISTS DEPLOY_DIRECTORIES)
            if(EXISTS ${dir}/${name})
                file(INSTALL ${dir}/${name} DESTINATION ${CMAKE_INSTALL_PREFIX})
                if(CMAKE_INSTALL_DO_STRIP)
                    execute_process(COMMAND ${DEPLOY_STRIP} --strip-unneeded
                                            ${CMAKE_INSTALL_PREFIX}/${name})
                endif()
                list(APPEND pending ${dir}/${name})
                break()
            endif()
        endforeach()
    endforeach()
endwhile()
