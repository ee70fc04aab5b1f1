# SPDX-License-Identifier: GPL-2.0-or-later
# Run by CPack after it built the Debian package. CPack adds maintainer scripts that run
# ldconfig whenever a shared object lies under /usr/lib/*/, which our modules do; but they
# are opened by path from lib/quibbix/, never through the linker's search path, so the
# scripts only slow every install down. They are taken out again here, and only while they
# hold nothing else: a script that does more stops the build, to be looked at.
foreach(deb IN LISTS CPACK_PACKAGE_FILES)
    if(NOT deb MATCHES "\\.deb$")
        continue()
    endif()
    set(tree "${CPACK_TOPLEVEL_DIRECTORY}/unpacked")
    file(REMOVE_RECURSE "${tree}")
    execute_process(COMMAND dpkg-deb -R "${deb}" "${tree}" COMMAND_ERROR_IS_FATAL ANY)
    set(changed FALSE)
    foreach(script postinst postrm)
        set(path "${tree}/DEBIAN/${script}")
        if(NOT EXISTS "${path}")
            continue()
        endif()
        file(STRINGS "${path}" lines)
        foreach(line IN LISTS lines)
            if(NOT line MATCHES "^[ \t]*(#.*|set -e|if \\[ \"\\$1\" = \"[a-z]+\" \\]; then|ldconfig|fi)?[ \t]*$")
                message(FATAL_ERROR "${deb}: ${script} does more than run ldconfig: ${line}")
            endif()
        endforeach()
        file(REMOVE "${path}")
        set(changed TRUE)
    endforeach()
    if(changed)
        execute_process(COMMAND dpkg-deb --root-owner-group -Zxz -b "${tree}" "${deb}"
                        OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
    endif()
    file(REMOVE_RECURSE "${tree}")
endforeach()
