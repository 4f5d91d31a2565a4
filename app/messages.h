// The texts the editor shows in its message boxes, all under the title MESSAGE_TITLE.
#pragma once

inline const char* const MESSAGE_TITLE = "Quadrix";
inline const char* const READ_ERROR = "Nao foi possivel ler do arquivo de objetos!";
inline const char* const WRITE_ERROR = "Nao foi possivel escrever no arquivo de objetos!";
inline const char* const FAREWELL = "Tchau!!\nAté Logo!!";
inline const char* const INFO_TEXT =
    "Trabalho 3: Editor\n"
    " Aluno: Quadrix                       \n"
    " Matrícula: -\n"
    " Versão: V1.00";
inline const char* const HELP_TEXT = "Leia o arquivo readme.txt!!";
