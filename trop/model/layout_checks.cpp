// Every record header carries static_asserts on its size and offsets; this
// unit makes sure they are all compiled even before anything else uses them.
#include "trop/model/control_card.h"
#include "trop/model/member_record.h"
#include "trop/model/stage_definition.h"
#include "trop/model/start_entry.h"
#include "trop/store/header_records.h"
