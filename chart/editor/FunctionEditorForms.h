// Registers the function panel of the Data Source tab and the functions' option forms.
#pragma once

void registerFunctionEditorForms();
