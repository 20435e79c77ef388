# tavessa_library(<name> [CORE <files>] [CORE_DEPENDS <libs>] [DEPENDS <libs>] [EXCLUDE <files>])
# A folder's libraries. <name>_core is built from the CORE files and links
# QtCore only: the logic that needs no widget (tests and fuzzers use it
# directly). <name> holds every other .cpp/.h/.qrc of the folder, on top of
# its core and the DEPENDS libraries, with Qt Widgets.
function(tavessa_library name)
    cmake_parse_arguments(ARG "" "" "CORE;CORE_DEPENDS;DEPENDS;EXCLUDE" ${ARGN})
    set(core_target "")
    if(ARG_CORE)
        set(core_target ${name}_core)
        add_library(${core_target} STATIC ${ARG_CORE})
        target_include_directories(${core_target} PUBLIC ${CMAKE_SOURCE_DIR})
        target_link_libraries(${core_target} PUBLIC Qt6::Core ${ARG_CORE_DEPENDS})
        set_property(GLOBAL APPEND PROPERTY TAVESSA_CORE_LIBRARIES ${core_target})
    endif()

    file(GLOB sources CONFIGURE_DEPENDS
        ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp
        ${CMAKE_CURRENT_SOURCE_DIR}/*.h
        ${CMAKE_CURRENT_SOURCE_DIR}/*.qrc)
    foreach(excluded ${ARG_EXCLUDE} ${ARG_CORE})
        list(REMOVE_ITEM sources ${CMAKE_CURRENT_SOURCE_DIR}/${excluded})
    endforeach()
    set(has_cpp FALSE)
    foreach(source ${sources})
        if(source MATCHES "\\.cpp$")
            set(has_cpp TRUE)
        endif()
    endforeach()
    if(has_cpp)
        add_library(${name} STATIC ${sources})
        target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR})
        target_link_libraries(${name} PUBLIC Qt6::Widgets ${core_target} ${ARG_DEPENDS})
    else()
        # A folder whose code is all core still gives a library to link.
        add_library(${name} INTERFACE)
        target_include_directories(${name} INTERFACE ${CMAKE_SOURCE_DIR})
        target_link_libraries(${name} INTERFACE ${core_target} ${ARG_DEPENDS})
    endif()
endfunction()

# tavessa_tests(LIBS <libs...> [CORE <tst files>])
# Every tst_*.cpp in the calling folder becomes one test executable run by ctest
# under the offscreen platform. The CORE tests link the core libraries alone.
function(tavessa_tests)
    cmake_parse_arguments(ARG "" "" "LIBS;CORE" ${ARGN})
    file(GLOB tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/tst_*.cpp)
    foreach(source ${tests})
        get_filename_component(name ${source} NAME_WE)
        get_filename_component(file ${source} NAME)
        add_executable(${name} ${source})
        if(file IN_LIST ARG_CORE)
            target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests/support)
            target_link_libraries(${name} PRIVATE Qt6::Test tavessa_core)
        else()
            target_link_libraries(${name} PRIVATE Qt6::Test tavessa_testsupport ${ARG_LIBS})
        endif()
        target_compile_definitions(${name} PRIVATE
            TAVESSA_BUILD_DIR="${CMAKE_BINARY_DIR}"
            TAVESSA_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
        add_test(NAME ${name} COMMAND ${name})
        set_tests_properties(${name} PROPERTIES
            ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8"
            TIMEOUT 300)
    endforeach()
endfunction()
