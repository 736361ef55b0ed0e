// "Операции → Прогресс...": the lessons and kinds of task with what was done and when, and
// "Сбросить прогресс", which asks first and can be taken back until the program exits.
#pragma once

class QWidget;
class CMainFrame;

// Modal over parent; resets and takes back through the main window's logic.
void ShowProgressDialog(QWidget* parent, CMainFrame& frame);
