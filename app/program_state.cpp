#include "program_state.h"

namespace app {

ProgramState& program() {
    static ProgramState instance;
    return instance;
}

} // namespace app
