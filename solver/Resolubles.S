/* The file of the table of positions with a solution (TableResolubles), read-only data of the
   program, and its size in bytes, reckoned by the assembler within the same section. */
    .section .rodata
    .balign 64
    .globl MarbelloResolubles
    .type MarbelloResolubles, @object
MarbelloResolubles:
    .incbin MARBELLO_RESOLUBLES
MarbelloResolublesFin:
    .size MarbelloResolubles, MarbelloResolublesFin - MarbelloResolubles
    .balign 8
    .globl MarbelloResolublesTaille
    .type MarbelloResolublesTaille, @object
    .size MarbelloResolublesTaille, 8
MarbelloResolublesTaille:
    .quad MarbelloResolublesFin - MarbelloResolubles
    .section .note.GNU-stack,"",@progbits
