# Conveniences around the README's two commands, `bash scripts/play` (build and start the game)
# and `bash scripts/check` (build and pass every test), which need no make. Each installs the
# Debian packages it needs first.
.PHONY: run test bench asan clean

run:
	bash scripts/play

test:
	bash scripts/check

# The second half of the tests alone: the sanitized build, its tests and the sanitized soak.
asan:
	bash scripts/check asan

bench:
	bash scripts/install-deps test
	cmake --workflow --preset bench
	build/bench/bench/vornmark_bench

clean:
	rm -rf build
