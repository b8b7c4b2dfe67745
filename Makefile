# The two commands of the README: `make run` builds and starts the game, `make test` builds
# and runs every test. Both install the Debian packages they need first.
.PHONY: run test bench asan clean

run:
	scripts/install-deps run
	cmake --workflow --preset release
	scripts/run-game

test:
	scripts/install-deps test
	cmake --workflow --preset dev

asan:
	scripts/install-deps test
	cmake --workflow --preset asan

bench:
	scripts/install-deps test
	cmake --workflow --preset bench
	build/bench/bench/vornmark_bench

clean:
	rm -rf build
