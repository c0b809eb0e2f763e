#pragma once

#include "link/ServiceRunner.h"

class CProgramDoc;
class QWidget;

// The commands that open a window of their own on the active document: the
// editors of the optional features, the signalling and the service settings, and
// printing. The service dialogs reach the radio through `port`. Returns false
// when `id` is none of them.
bool runDocumentCommand(int id, CProgramDoc& doc, QWidget* parent, const ServicePort& port = {});

// File > Print Setup: the printer's page setup, with or without a document.
void runPrintSetup(QWidget* parent);
