# The window titles as WindowTitle() builds them, from the one product name in experiment/Titles.h.
# Sourced with $src set to the source tree.
product=$(sed -n 's/.*kApplicationTitle = "\(.*\)";$/\1/p' "$src/experiment/Titles.h" | sed 's/\\"/"/g')
[[ -n $product ]] || { echo "FAIL: no kApplicationTitle in $src/experiment/Titles.h" >&2; exit 1; }
main_title=$product
results_title="$product. Результати розрахунків"
graphs_title="$product. Графіки залежностей"
help_title="$product. Допомога"
