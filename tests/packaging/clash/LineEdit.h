#error "the application's own LineEdit.h: the library's headers must never include it"
