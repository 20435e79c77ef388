# tavessa_library(<name> DEPENDS <libs...>)
# Builds a static library from every .cpp/.h in the calling folder.
function(tavessa_library name)
    cmake_parse_arguments(ARG "" "" "DEPENDS;EXCLUDE" ${ARGN})
    file(GLOB sources CONFIGURE_DEPENDS
        ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp
        ${CMAKE_CURRENT_SOURCE_DIR}/*.h
        ${CMAKE_CURRENT_SOURCE_DIR}/*.qrc)
    foreach(excluded ${ARG_EXCLUDE})
        list(REMOVE_ITEM sources ${CMAKE_CURRENT_SOURCE_DIR}/${excluded})
    endforeach()
    list(FILTER sources INCLUDE REGEX "\\.cpp$|\\.h$|\\.qrc$")
    set(has_cpp FALSE)
    foreach(source ${sources})
        if(source MATCHES "\\.cpp$")
            set(has_cpp TRUE)
        endif()
    endforeach()
    if(has_cpp)
        add_library(${name} STATIC ${sources})
        target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR})
        target_link_libraries(${name} PUBLIC Qt6::Widgets ${ARG_DEPENDS})
    else()
        # A folder that holds no code yet still gives a library to link.
        add_library(${name} INTERFACE)
        target_include_directories(${name} INTERFACE ${CMAKE_SOURCE_DIR})
        target_link_libraries(${name} INTERFACE Qt6::Widgets ${ARG_DEPENDS})
    endif()
endfunction()

# tavessa_tests(LIBS <libs...>)
# Every tst_*.cpp in the calling folder becomes one test executable run by ctest
# under the offscreen platform.
function(tavessa_tests)
    cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
    file(GLOB tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/tst_*.cpp)
    foreach(source ${tests})
        get_filename_component(name ${source} NAME_WE)
        add_executable(${name} ${source})
        target_link_libraries(${name} PRIVATE Qt6::Test tavessa_testsupport ${ARG_LIBS})
        target_compile_definitions(${name} PRIVATE
            TAVESSA_BUILD_DIR="${CMAKE_BINARY_DIR}"
            TAVESSA_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
        add_test(NAME ${name} COMMAND ${name})
        set_tests_properties(${name} PROPERTIES
            ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8"
            TIMEOUT 300)
    endforeach()
endfunction()
