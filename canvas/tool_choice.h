// The tool bar's actions: each registers its tool's button handler under "button_act".
#pragma once

class QObject;

int sel_act(QObject* toggle, int state);
int del_act(QObject* toggle, int state);
int rect_act(QObject* toggle, int state);
int ellipse_act(QObject* toggle, int state);
int triang_act(QObject* toggle, int state);
