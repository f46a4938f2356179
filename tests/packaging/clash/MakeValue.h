#error "the application's own MakeValue.h: the library's headers must never include it"
