# Warnings everywhere; sanitizers on the host build; a static runtime on Windows so the
# program folder needs no compiler DLLs.
add_compile_options(-Wall -Wextra -Wpedantic -Wno-unused-parameter)

if(QUORVEL_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    add_link_options(-fsanitize=address,undefined)
endif()

if(WIN32)
    add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
    add_link_options(-static -static-libgcc -static-libstdc++)
endif()
