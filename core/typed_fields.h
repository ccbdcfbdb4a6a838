#pragma once

// Typed values: each answers the field protocol of the command language (query, set, selectors)
// and never rejects a value with an error; a value it cannot take is corrected or ignored and the
// answer shows what is held afterwards. One header for them all; each value type has a file pair.

#include "core/dtmf_digits.h"     // CDtmfDigits
#include "core/frequency_value.h" // CFrequencyValue
#include "core/list_selection.h"  // CCodeList, CIndexList and their selections
#include "core/name_text.h"       // CNameText
#include "core/setting_field.h"   // CSettingField, one common setting of any of these kinds
