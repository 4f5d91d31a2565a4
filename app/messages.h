// The texts the file commands show in their message boxes, all under the title MESSAGE_TITLE.
#pragma once

#include "canvas/canvas_messages.h"

inline const char* const READ_ERROR = "Nao foi possivel ler do arquivo de objetos!";
inline const char* const WRITE_ERROR = "Nao foi possivel escrever no arquivo de objetos!";
inline const char* const FAREWELL = "Tchau!!\nAté Logo!!";
inline const char* const INFO_TEXT =
    "Trabalho 3: Editor\n"
    " Aluno: Quadrix                       \n"
    " Matrícula: -\n"
    " Versão: V1.00";
inline const char* const HELP_TEXT = "Leia o arquivo readme.txt!!";
