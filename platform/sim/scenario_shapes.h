#pragma once
// The shape of every scenario verb: its positional fields, its options and
// the values they take.
#include <vector>

#include "platform/sim/scenario.h"
#include "platform/sim/scenario_fields.h"

namespace ov::sim {

// Fills the event's args and options from the fields after TIME and VERB
// (event.verb already set). Throws std::invalid_argument with the reason.
void shapeScenarioEvent(ScenarioEvent& event,
                        const std::vector<ScenarioField>& fields);

}  // namespace ov::sim
