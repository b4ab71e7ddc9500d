# The window titles as WindowTitle() builds them, from the one product name in ui/forms/Handler.h.
# Sourced with $src set to the source tree.
product=$(sed -n 's/.*kApplicationTitle = "\(.*\)";$/\1/p' "$src/ui/forms/Handler.h" | sed 's/\\"/"/g')
[[ -n $product ]] || { echo "FAIL: no kApplicationTitle in $src/ui/forms/Handler.h" >&2; exit 1; }
main_title=$product
results_title="$product. Результати розрахунків"
graphs_title="$product. Графіки залежностей"
help_title="$product. Допомога"
