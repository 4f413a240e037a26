/* The table of positions with a solution (TableResolubles), read-only data of the program. */
    .section .rodata
    .balign 64
    .globl MarbelloResolubles
MarbelloResolubles:
    .incbin MARBELLO_RESOLUBLES
    .globl MarbelloResolublesFin
MarbelloResolublesFin:
    .section .note.GNU-stack,"",@progbits
