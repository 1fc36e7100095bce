// Registers the per-type series editors under the editor names the series answer.
#pragma once

void registerSeriesEditorForms();
