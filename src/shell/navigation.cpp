#include "shell/navigation.h"

QuerentDetails& Querent() {
    static QuerentDetails details;
    return details;
}

SelectionVariables& Selection() {
    static SelectionVariables variables;
    return variables;
}
