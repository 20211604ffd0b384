#include "app/program.h"

namespace quorvel {

Program::Program(Toolkit& toolkit)
    : toolkit_(toolkit), form1_(toolkit), form2_(toolkit), form3_(toolkit), form4_(toolkit) {
    form1_.AttachDialogs(form2_, form3_, form4_);
    toolkit_.SetOnIdle([this] { form1_.Actions().Update(); });
}

Program::~Program() {
    toolkit_.SetOnIdle({});
}

int Program::Run() {
    form1_.Window().Show();
    return toolkit_.Run(form1_.Window());
}

}  // namespace quorvel
